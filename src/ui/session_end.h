#pragma once

#include <QObject>

#include <string>

namespace quorrin::ui {

class TForm1;

// Ends the program when the system asks it to: at a shutdown or a lost
// terminal (the signals the platform catches) and at the session manager's
// request at log-off. The window writes its settings as at any close, and
// the program ends with status 0 even when that fails, since nobody is there
// to answer an error box; the failure is reported on stderr instead.
class SessionEnd final : public QObject {
public:
    SessionEnd(TForm1& window, std::string applicationTitle, QObject* parent = nullptr);

    // One such request. Later ones, while the program is ending, change
    // nothing.
    void end();

private:
    TForm1& window_;
    std::string applicationTitle_;
    bool ending_ = false;
};

} // namespace quorrin::ui
