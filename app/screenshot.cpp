// Pictures of the window for the documentation, taken by driving the window
// through its widgets as a player would: type a damage, click the four layout
// radios, open the two dialogs.

#include "app/screenshot.h"

#include "app/kestrel_window.h"
#include "ui/main_window/ids.h"
#include "ui/qt/qt_controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>

namespace kestrel::app {

namespace {

constexpr int kSettleMs = 400;

void settle()
{
    QEventLoop loop;
    QTimer::singleShot(kSettleMs, &loop, &QEventLoop::quit);
    loop.exec();
}

void click(KestrelWindow& window, int id)
{
    if (auto* button = qobject_cast<QAbstractButton*>(window.controls().widget(id)))
        button->click();
}

// Clicks the button that opens a modal dialog; a timer saves the dialog's
// picture and cancels it, and the click returns.
void saveDialog(KestrelWindow& window, int button, const QString& file)
{
    QTimer::singleShot(kSettleMs, [file] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr)
            return;
        dialog->grab().save(file);
        if (auto* modal = qobject_cast<QDialog*>(dialog))
            modal->reject();
        else
            dialog->close();
    });
    click(window, button);
}

void shoot(KestrelWindow& window, const QString& folder)
{
    if (auto* dealt = qobject_cast<QLineEdit*>(window.controls().widget(ui::id::kDealtLow))) {
        dealt->setFocus();
        dealt->insert(QStringLiteral("60"));
    }
    const struct {
        int radio;
        const char* name;
    } layouts[] = {{ui::id::kLayoutRadios[0], "skills"},
                   {ui::id::kLayoutRadios[1], "location"},
                   {ui::id::kLayoutRadios[2], "trivia"},
                   {ui::id::kLayoutRadios[3], "damage"}};
    for (const auto& layout : layouts) {
        click(window, layout.radio);
        settle();
        window.grab().save(folder + QStringLiteral("/main-%1.png").arg(QLatin1String(layout.name)));
    }
    saveDialog(window, ui::id::kChangeUser, folder + QStringLiteral("/dialog-user.png"));
    saveDialog(window, ui::id::kConfig, folder + QStringLiteral("/dialog-config.png"));
    window.close();
}

}  // namespace

void takeScreenshotsIfAsked(KestrelWindow& window)
{
    const QString folder = qEnvironmentVariable("KESTREL_SCREENSHOT");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QTimer::singleShot(2 * kSettleMs, &window, [&window, folder] { shoot(window, folder); });
}

}  // namespace kestrel::app
