// The control set's modal windows: message box, file-open dialog, child
// dialogs and the About box. Each runs an event loop of its own, so the lists'
// pending resets end before it opens (the view may paint meanwhile).

#include "ui/qt/qt_controls.h"

#include "ui/qt/qt_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kestrel::ui {

namespace {

QMessageBox::Icon iconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtControls::prepareModal()
{
    endPendingResets();
    if (showBeforeModal_ && !window()->isVisible())
        window()->show();
}

MessageAnswer QtControls::messageBox(std::string_view text, std::string_view caption, MessageButtons buttons,
                                     MessageIcon icon)
{
    prepareModal();
    QMessageBox box(window());
    box.setWindowTitle(caption.empty() ? window()->windowTitle() : toQString(caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(toQString(text));
    box.setIcon(iconOf(icon));
    if (buttons == MessageButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    } else {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Ok: return MessageAnswer::Ok;
    default: return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}

std::optional<std::string> QtControls::chooseFile(std::string_view filterDescription, std::string_view pattern,
                                                  const std::string& initialPath)
{
    prepareModal();
    QString filter = toQString(filterDescription);
    if (!filter.contains(QLatin1Char('(')))
        filter += QStringLiteral(" (%1)").arg(toQString(pattern));
    // A file path opens the dialog in its folder with the file selected.
    const QString start = QFile::decodeName(QByteArray(initialPath.data(), static_cast<qsizetype>(initialPath.size())));
    const QString chosen = QFileDialog::getOpenFileName(window(), QStringLiteral("Refer..."), start, filter);
    if (chosen.isEmpty())
        return std::nullopt;
    const QByteArray native = QFile::encodeName(QDir::toNativeSeparators(chosen));
    return std::string(native.constData(), static_cast<std::size_t>(native.size()));
}

bool QtControls::runModal(std::string_view caption, DialogLogic& dialog)
{
    prepareModal();
    QDialog box(window());
    box.setWindowTitle(toQString(caption));
    auto* layout = new QVBoxLayout(&box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* child = new QtControls(&box);
    layout->addWidget(child);

    const std::vector<ControlSpec> items = dialog.controls();
    child->create(items, dialog);
    layOutDialog(*child, dialog.templateId());
    // OK, and the buttons that end the dialog as accepted, close it once their
    // own handler (connected first) has run; Cancel, Escape and the close box reject.
    for (const ControlSpec& item : items) {
        auto* button = qobject_cast<QAbstractButton*>(child->widget(item.id));
        if (item.kind != ControlKind::Button || !button)
            continue;
        const int id = item.id;
        connect(button, &QAbstractButton::clicked, &box, [&box, &dialog, child, id] {
            if (id == kIdOk || dialog.closesWithOk(id)) {
                dialog.onOk(*child);
                box.accept();
            } else if (id == kIdCancel) {
                box.reject();
            }
        });
    }
    dialog.onInit(*child);
    child->flush();
    return box.exec() == QDialog::Accepted;
}

void QtControls::showAbout(std::string_view caption, const std::vector<std::string>& lines)
{
    prepareModal();
    QDialog box(window());
    box.setWindowTitle(toQString(caption));
    auto* layout = new QVBoxLayout(&box);
    auto* row = new QHBoxLayout;
    layout->addLayout(row);
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull()) {
        auto* picture = new QLabel(&box);
        picture->setPixmap(icon.pixmap(48, 48));
        picture->setAlignment(Qt::AlignTop);
        row->addWidget(picture);
    }
    auto* texts = new QVBoxLayout;
    row->addLayout(texts);
    for (const std::string& line : lines) {
        auto* label = new QLabel(toQString(line), &box);
        label->setTextFormat(Qt::PlainText);
        texts->addWidget(label);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    box.exec();
}

void QtControls::showReport(std::string_view caption, std::string_view text)
{
    prepareModal();
    QDialog box(window());
    box.setWindowTitle(toQString(caption));
    auto* layout = new QVBoxLayout(&box);
    auto* view = new QPlainTextEdit(toQString(text), &box);
    view->setObjectName(QStringLiteral("report"));
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(view);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    box.resize(720, 420);
    box.exec();
}

}  // namespace kestrel::ui
