#pragma once
// The program's top-level window: it hosts the main window's controls, carries
// their title and the application icon, offers the About item and takes a
// definition file dropped onto it.

#include <QMainWindow>

#include <string>

class QAction;
class QDropEvent;
class QMenu;

namespace kestrel::ui {
class CKestrelDlg;
class QtControls;
}  // namespace kestrel::ui

namespace kestrel::app {

class KestrelWindow : public QMainWindow {
    Q_OBJECT
public:
    KestrelWindow();
    ~KestrelWindow() override;

    ui::QtControls& controls() { return *controls_; }

    // The logic behind the window, once it has created its controls: lays them
    // out and routes the About item and dropped files to it. nullptr detaches.
    void attach(ui::CKestrelDlg* dialog);

    // A definition file given by path, as if chosen with "Refer...".
    void openDefinitionFile(const QString& path);
    // A file's absolute path in the form the window logic takes.
    static std::string pathForLogic(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

private:
    void addViewMenu();
    void addAboutItem();
    // The window's first size: as designed, within the screen.
    QSize fittingSize() const;
    void addHelpItems();
    QMenu* helpMenu();
    void showAbout();
    // The .csv file among the dragged URLs, or an empty string.
    static QString definitionFileIn(const QDropEvent& event);

    ui::QtControls* controls_;
    ui::CKestrelDlg* dialog_ = nullptr;
    QMenu* help_ = nullptr;
    QAction* hintsAction_ = nullptr;
    QAction* topmostAction_ = nullptr;
};

}  // namespace kestrel::app
