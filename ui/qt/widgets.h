#pragma once
// Small widget classes the control set needs beyond Qt's own.

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace kestrel::ui {

// A text that reports a left-button click released over it (the weapon name).
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// Radio buttons outside Qt's exclusive groups: a click always checks the button
// (a checked one stays checked); the control set unchecks the rest of its group,
// and the program may leave a whole group unchecked.
class RadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override { setChecked(true); }
};

class RadioPushButton : public QPushButton {
public:
    explicit RadioPushButton(const QString& text, QWidget* parent = nullptr) : QPushButton(text, parent)
    {
        setCheckable(true);
    }

protected:
    void nextCheckState() override { setChecked(true); }
};

}  // namespace kestrel::ui
