// Texts that follow the language: each setter given here runs once at once
// and again whenever the owner receives a language change (installing or
// replacing a translator sends one to every window), so a dialog that is
// open while the language changes shows the new texts too.
#pragma once

#include <functional>

class QWidget;

namespace Hcommon {

void bindText(QWidget *owner, std::function<void()> apply);

} // namespace Hcommon
