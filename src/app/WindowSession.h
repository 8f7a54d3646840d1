#pragma once
// The window on its school: finds the school the start names (asking at a first start),
// moves into its folder and shows the main window there; Arkiv "Byt skola..." starts it
// over on another school. Every start-up runs on a fresh program state.
#include "app/SchoolFinder.h"
#include "app/WindowStart.h"
#include "config/Program.h"
#include "core/Platform.h"

#include <QObject>

#include <memory>

namespace tivra {

class Form1;

class WindowSession : public QObject {
    Q_OBJECT

  public:
    // `platform` must outlive the session.
    WindowSession(Platform& platform, SchoolPlaces places);
    ~WindowSession() override;

    // Opens the window for what the command line named.
    void start(const WindowStart& start);

    Form1* window() const { return form_.get(); }
    const FoundSchool& school() const { return school_; }

  private:
    void open(const FoundSchool& school, const QString& bookingFile);
    // The user chose another school: remembered, and the window starts over on it once
    // the menu that asked has returned.
    void change(const QString& folder);

    Platform& platform_;
    SchoolPlaces places_;
    FoundSchool school_;
    // Each window has its own state: the next is started before the last goes.
    std::unique_ptr<Program> program_;
    std::unique_ptr<Form1> form_;
};

} // namespace tivra
