// What orvex-extract shows while a job runs: a one-line progress bar on
// stderr (files, bytes, speed, time left) when stderr is a terminal, and the
// failures collected for the summary. Speed and time left come from the job
// core, as in the desktop program.
#pragma once

#include "job.h"

#include <nlohmann/json.hpp>

#include <string>

namespace orvex::cli {

class JobView : public orvex::jobs::JobObserver {
public:
    explicit JobView(bool bar) : bar_(bar) {}
    ~JobView() override { finish(); }

    bool stop_requested() override;
    void on_progress(const orvex::jobs::ProgressSnapshot &p) override;
    void on_item(const orvex::jobs::ItemResult &r) override;

    // A failure that happened outside the job (a PATH that does not exist).
    void add_failure(const std::string &path, const std::string &message);
    // Clears the bar so the summary starts on a clean line.
    void finish();
    const nlohmann::ordered_json &failures() const { return failures_; }

    static bool stderr_is_terminal();

protected:
    // Each finished item, after the failures are noted.
    virtual void item(const orvex::jobs::ItemResult &) {}

private:
    const bool bar_;
    bool drawn_ = false;
    nlohmann::ordered_json failures_ = nlohmann::ordered_json::array();
};

// JSON text of `j`; bytes that are not UTF-8 (names from a catalogue) are
// replaced rather than failing the output.
std::string dump_json(const nlohmann::ordered_json &j);

} // namespace orvex::cli
