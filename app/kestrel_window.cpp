#include "app/kestrel_window.h"

#include "ui/main_window/window.h"
#include "ui/qt/keyboard.h"
#include "ui/qt/qt_controls.h"
#include "ui/texts/window_title.h"

#include "platform/cp932.h"
#include "platform/window_menu.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

namespace kestrel::app {

namespace {

#ifdef Q_OS_WIN
constexpr unsigned kAboutCommand = 16;  // the About item of the window menu
#endif

QString fromCp932(const std::string& text) { return QString::fromStdString(cp932ToUtf8(text)); }

}  // namespace

KestrelWindow::KestrelWindow() : controls_(new ui::QtControls)
{
    setCentralWidget(controls_);
    // The start-up messages open over the window, never before it.
    controls_->setWindowShownBeforeModals(true);
    // The program's icon when it has one already: reading the picture again costs
    // a few milliseconds of the start.
    const QIcon programIcon = QApplication::windowIcon();
    setWindowIcon(programIcon.isNull() ? QIcon(QStringLiteral(":/icons/kestrel.svg")) : programIcon);
    setAcceptDrops(true);
    addViewMenu();
    addHelpItems();
    addAboutItem();
    // Drops and Escape are seen before the widget under the mouse or in focus
    // takes them: an edit would paste a dropped path as text.
    qApp->installEventFilter(this);
}

KestrelWindow::~KestrelWindow() { qApp->removeEventFilter(this); }

void KestrelWindow::attach(ui::CKestrelDlg* dialog)
{
    dialog_ = dialog;
    if (dialog_ == nullptr)
        return;
    ui::layOutMainWindow(*controls_);
    ui::installKeyboard(*controls_, *this);
    resize(fittingSize());
}

QSize KestrelWindow::fittingSize() const
{
    // The designed size, within the screen's free room less the frame.
    QSize room = sizeHint();
    if (const QScreen* shown = screen())
        room = room.boundedTo(shown->availableGeometry().size() - QSize(16, 40));
    return room.expandedTo(minimumSizeHint());
}

// View → ヒント shows or hides the hint panel; the window logic remembers it.
void KestrelWindow::addViewMenu()
{
    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    hintsAction_ = view->addAction(QStringLiteral("ヒント(&H)"));
    hintsAction_->setObjectName(QStringLiteral("hintsAction"));
    hintsAction_->setCheckable(true);
    hintsAction_->setChecked(true);
    connect(hintsAction_, &QAction::triggered, this, [this](bool shown) {
        if (dialog_ != nullptr) {
            dialog_->onHintPanelCommand(shown);
            controls_->flush();
        }
    });
    connect(controls_, &ui::QtControls::hintPanelToggled, hintsAction_, &QAction::setChecked);

    // The key is the shortcut table's (the text after the tab only shows it).
    topmostAction_ = view->addAction(QStringLiteral("常に手前に表示(&T)\tCtrl+T"));
    topmostAction_->setObjectName(QStringLiteral("topmostAction"));
    topmostAction_->setCheckable(true);
    connect(topmostAction_, &QAction::triggered, this, [this](bool topmost) {
        if (dialog_ != nullptr) {
            dialog_->onTopmostCommand(topmost);
            controls_->flush();
        }
    });
    connect(controls_, &ui::QtControls::topmostToggled, topmostAction_, &QAction::setChecked);
}

void KestrelWindow::openDefinitionFile(const QString& path)
{
    if (dialog_ == nullptr || path.isEmpty())
        return;
    dialog_->openDefinitionFile(pathForLogic(path));
    controls_->flush();
}

std::string KestrelWindow::pathForLogic(const QString& path)
{
    return QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString();
}

void KestrelWindow::showAbout()
{
    if (dialog_ == nullptr)
        return;
    dialog_->onAboutCommand();
    controls_->flush();
}

// On Windows the About item sits in the window menu, as the program always had
// it; elsewhere the window menu belongs to the window manager, so the same item
// gets a help menu of its own.
void KestrelWindow::addAboutItem()
{
    const std::string text = ui::aboutMenuText();
    if (text.empty())
        return;
#ifdef Q_OS_WIN
    appendWindowMenuItem(static_cast<std::uintptr_t>(winId()), kAboutCommand, cp932ToUtf8(text));
#else
    helpMenu()->addAction(fromCp932(text), this, &KestrelWindow::showAbout);
#endif
}

QMenu* KestrelWindow::helpMenu()
{
    if (help_ == nullptr)
        help_ = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    return help_;
}

// The help menu's own items: the guide, the key list, the check of the definition file, the
// 答え合わせ and its record.
void KestrelWindow::addHelpItems()
{
    QMenu* help = helpMenu();
    QAction* guide = help->addAction(QStringLiteral("使い方(&U)\tF1"), this, [this] {
        if (dialog_ != nullptr) {
            dialog_->onGuideCommand();
            controls_->flush();
        }
    });
    guide->setObjectName(QStringLiteral("guideAction"));
    help->addAction(QStringLiteral("キー操作"), this, [this] {
        if (dialog_ != nullptr) {
            dialog_->onKeyListCommand();
            controls_->flush();
        }
    });
    help->addAction(QStringLiteral("定義ファイルの確認"), this, [this] {
        if (dialog_ != nullptr) {
            dialog_->onCheckDefinitionFile();
            controls_->flush();
        }
    });
    help->addSeparator();
    help->addAction(QStringLiteral("答え合わせ…"), this, [this] {
        if (dialog_ != nullptr) {
            dialog_->onAnswerCheck();
            controls_->flush();
        }
    });
    help->addAction(QStringLiteral("答え合わせの記録"), this, [this] {
        if (dialog_ != nullptr) {
            dialog_->onQuizLogReport();
            controls_->flush();
        }
    });
}

#ifdef Q_OS_WIN
bool KestrelWindow::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    if (isWindowMenuCommand(message, kAboutCommand)) {
        showAbout();
        *result = 0;
        return true;
    }
    return QMainWindow::nativeEvent(eventType, message, result);
}
#endif

QString KestrelWindow::definitionFileIn(const QDropEvent& event)
{
    const QMimeData* data = event.mimeData();
    if (data == nullptr || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
            return path;
    }
    return {};
}

bool KestrelWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool drag = type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop;
    if (!drag && type != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this)
        return false;

    if (type == QEvent::KeyPress) {
        // Escape ends the program like the close box; Enter is left to the
        // widgets, and no edit ends anything with it.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier &&
            QApplication::activeModalWidget() == nullptr) {
            close();
            return true;
        }
        return false;
    }

    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = definitionFileIn(*drop);
    if (path.isEmpty())
        return false;
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        openDefinitionFile(path);
    return true;
}

}  // namespace kestrel::app
