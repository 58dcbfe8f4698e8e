// Stand-ins for the maker's update service in tests: release catalogues in
// the service's XML form, and a self-signed TLS identity for a local server
// whose certificate a client must refuse.
#pragma once

#include <string>
#include <vector>

namespace orvex::testkit::update {

struct CatalogueEntry {
    std::string application_id;
    std::string platform = "Windows";
    std::string version;
    std::string build;
    std::string release_date = "2024/05/02";
    std::string download_url = "https://downloads.halvern.example/OrvexExTool.exe";
};

// <softwareRelease> with one <application> per entry (values XML-escaped).
std::string catalogue(const std::vector<CatalogueEntry> &entries);

struct TlsIdentity {
    std::string certificate_pem;
    std::string private_key_pem;
};

// A fresh key (EC P-256) and a certificate for `common_name` signed by that
// key itself, valid for a day.
TlsIdentity self_signed_identity(const std::string &common_name);

} // namespace orvex::testkit::update
