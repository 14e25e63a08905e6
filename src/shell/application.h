#pragma once
// Application-wide settings made at start: title, hint colour and time.
class QApplication;

namespace qvk::shell {

void setup_application(QApplication& app);

} // namespace qvk::shell
