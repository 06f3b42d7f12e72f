// The child dialogs' widgets arranged by their templates: the user settings
// dialog (138), the Config dialog (145), and a plain grid for any other. Texts
// without an identifier of their own are the controls -1, -2, … in the order
// of their template.

#include "ui/qt/qt_controls.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <initializer_list>

namespace kestrel::ui {

namespace {

constexpr int kUserSettingTemplate = 138;
constexpr int kConfigTemplate = 145;
constexpr int kNumberEditWidth = 72;
constexpr int kRatioEditWidth = 52;

class Dialog {
public:
    explicit Dialog(QtControls& controls) : controls_(controls) {}

    QWidget* at(int id) const { return controls_.widget(id); }

    void add(QBoxLayout* row, std::initializer_list<int> ids) const
    {
        for (int id : ids) {
            if (QWidget* w = at(id))
                row->addWidget(w);
        }
    }
    void place(QGridLayout* grid, int id, int line, int column, int columnSpan = 1,
               Qt::Alignment alignment = {}) const
    {
        if (QWidget* w = at(id))
            grid->addWidget(w, line, column, 1, columnSpan, alignment);
    }
    // Every edit of these dialogs is single-line and centred.
    void edit(int id, int width) const
    {
        if (auto* e = qobject_cast<QLineEdit*>(at(id))) {
            e->setFixedWidth(width);
            e->setAlignment(Qt::AlignCenter);
        }
    }
    QString textOf(int id) const
    {
        auto* label = qobject_cast<QLabel*>(at(id));
        return label != nullptr ? label->text() : QString();
    }
    // A group frame captioned with the text of a label, which the frame's title
    // then shows instead.
    QGroupBox* group(int labelId) const
    {
        auto* box = new QGroupBox(textOf(labelId));
        if (QWidget* label = at(labelId))
            label->hide();
        return box;
    }
    // The buttons that end the dialog, at the bottom right.
    QHBoxLayout* buttons(std::initializer_list<int> left) const
    {
        auto* r = new QHBoxLayout;
        add(r, left);
        r->addStretch(1);
        add(r, {kIdOk, kIdCancel});
        for (int id : {kIdOk, kIdCancel}) {
            if (auto* button = qobject_cast<QPushButton*>(at(id)))
                button->setMinimumWidth(88);
        }
        return r;
    }

private:
    QtControls& controls_;
};

QHBoxLayout* rowOf(QBoxLayout* parent)
{
    auto* r = new QHBoxLayout;
    r->setSpacing(6);
    parent->addLayout(r);
    return r;
}

// User settings: weapons and orb level side by side, the numbers below.
void userSetting(const Dialog& d, QVBoxLayout* root)
{
    constexpr int kFirstWeapon = 1007, kWeaponCount = 15, kFirstOrb = 1024, kOrbCount = 7;
    QHBoxLayout* choices = rowOf(root);

    QGroupBox* weapons = d.group(-1);  // 使用武器選択
    auto* weaponGrid = new QGridLayout(weapons);
    weaponGrid->setHorizontalSpacing(16);
    for (int w = 0; w < kWeaponCount; ++w)
        d.place(weaponGrid, kFirstWeapon + w, w / 3, w % 3);
    choices->addWidget(weapons, 1);

    auto* orbs = new QGroupBox;
    auto* orbColumn = new QVBoxLayout(orbs);
    for (int level = 0; level < kOrbCount; ++level)
        d.add(orbColumn, {kFirstOrb + level});
    orbColumn->addStretch(1);
    choices->addWidget(orbs);

    for (int id : {1005, 1006, 1023, 1031})
        d.edit(id, kNumberEditWidth);
    d.edit(1022, 140);
    auto* numbers = new QGridLayout;
    numbers->setHorizontalSpacing(8);
    d.place(numbers, -4, 0, 0);  // 名前
    d.place(numbers, 1022, 0, 1, 1, Qt::AlignLeft);
    d.place(numbers, -6, 1, 0);  // 攻撃力
    d.place(numbers, 1005, 1, 1, 1, Qt::AlignLeft);
    d.place(numbers, -7, 2, 0);  // 守備力
    d.place(numbers, 1006, 2, 1, 1, Qt::AlignLeft);
    d.place(numbers, -5, 3, 0);  // 重さ
    d.place(numbers, 1023, 3, 1, 1, Qt::AlignLeft);
    numbers->setColumnMinimumWidth(2, 24);
    d.place(numbers, -2, 0, 3, 2);  // 昏冥庫パ二ガルム 冥無の精
    d.place(numbers, -3, 1, 3);     // 特技ダメージ　＋
    d.place(numbers, 1031, 1, 4, 1, Qt::AlignLeft);
    numbers->setColumnStretch(5, 1);
    root->addLayout(numbers);

    root->addSpacing(6);
    root->addLayout(d.buttons({}));
}

// The drawing of the special-attack group: the normal and the special damage
// range one above the other, the special one shifted so that their uncertain
// parts (■) meet, with the arrows at the ends of the uncertain part.
QWidget* rangeDrawing(const Dialog& d)
{
    auto* drawing = new QWidget;
    auto* grid = new QGridLayout(drawing);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(0);
    grid->setHorizontalSpacing(12);
    const QFontMetrics metrics(drawing->font());
    const QString normal = d.textOf(-4);  // ×××××■■■■■
    const int half = metrics.horizontalAdvance(normal.left(normal.size() / 2));
    const int whole = metrics.horizontalAdvance(normal);

    d.place(grid, -3, 0, 0);  // 通常攻撃でのダメージ範囲
    d.place(grid, -4, 0, 1, 1, Qt::AlignLeft);
    auto* arrows = new QHBoxLayout;
    arrows->setSpacing(0);
    arrows->addSpacing(half);
    d.add(arrows, {-5});  // ↓
    arrows->addSpacing(whole - half - metrics.horizontalAdvance(d.textOf(-5)));
    d.add(arrows, {-6});  // ↑
    arrows->addStretch(1);
    grid->addLayout(arrows, 1, 1);
    d.place(grid, -7, 2, 0);  // 特攻攻撃でのダメージ範囲
    auto* special = new QHBoxLayout;
    special->setSpacing(0);
    special->addSpacing(half);
    d.add(special, {-8});  // ■■■■■○○○○○
    special->addStretch(1);
    grid->addLayout(special, 2, 1);
    return drawing;
}

QGroupBox* specialAttackGroup(const Dialog& d)
{
    QGroupBox* box = d.group(-1);  // 特攻攻撃 設定
    auto* column = new QVBoxLayout(box);
    QHBoxLayout* question = rowOf(column);
    d.add(question, {-2, 1006, 1007});  // … による系統自動判定 する しない
    question->addStretch(1);

    QHBoxLayout* middle = rowOf(column);
    middle->addWidget(rangeDrawing(d));
    middle->addSpacing(16);
    d.edit(1131, kRatioEditWidth);
    d.edit(1132, kRatioEditWidth);
    auto* limits = new QGridLayout;
    limits->setVerticalSpacing(2);
    d.place(limits, -9, 0, 0);  // Max
    d.place(limits, 1131, 0, 1);
    d.place(limits, -10, 0, 2);  // 倍
    d.place(limits, -11, 1, 0);  // Min
    d.place(limits, 1132, 1, 1);
    d.place(limits, -12, 1, 2);  // 倍
    middle->addLayout(limits);
    middle->addStretch(1);

    QHBoxLayout* legend = rowOf(column);
    legend->setSpacing(20);
    d.add(legend, {-13, -14, -15});
    legend->addStretch(1);
    return box;
}

QGroupBox* floatingGroup(const Dialog& d)
{
    QGroupBox* box = d.group(-16);  // 浮遊判定 設定
    auto* column = new QVBoxLayout(box);
    QHBoxLayout* question = rowOf(column);
    d.add(question, {-17, 1008, 1009});  // ムーンサルトによる… する しない
    question->addStretch(1);

    auto* bands = new QGridLayout;
    bands->setHorizontalSpacing(6);
    bands->setVerticalSpacing(2);
    // caption, Min, low, 倍, ～, Max, high, 倍 [, marker]
    const struct {
        int firstLabel;
        int low;
        int high;
        bool marker;
    } lines[] = {{-18, 1142, 1145, false}, {-24, 1150, 1153, true}, {-31, 1158, 1161, true}};
    for (int line = 0; line < 3; ++line) {
        const auto& l = lines[line];
        d.edit(l.low, kRatioEditWidth);
        d.edit(l.high, kRatioEditWidth);
        const int cells[] = {l.firstLabel,     l.firstLabel - 1, l.low,  l.firstLabel - 2, l.firstLabel - 3,
                             l.firstLabel - 4, l.high,           l.firstLabel - 5};
        for (int c = 0; c < 8; ++c)
            d.place(bands, cells[c], line, c);
        if (l.marker)
            d.place(bands, l.firstLabel - 6, line, 8);
    }
    bands->setColumnMinimumWidth(0, 220);
    bands->setColumnStretch(9, 1);
    column->addLayout(bands);
    return box;
}

QGroupBox* toleranceGroup(const Dialog& d)
{
    QGroupBox* box = d.group(-40);  // ダメージ計算 誤差許容設定
    auto* column = new QVBoxLayout(box);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    for (int id : {1129, 1112, 1130, 1114})
        d.edit(id, kRatioEditWidth);
    const int lines[2][5] = {{-41, 1129, -42, 1112, -43}, {-44, 1130, -45, 1114, -46}};
    for (int line = 0; line < 2; ++line) {
        for (int c = 0; c < 5; ++c)
            d.place(grid, lines[line][c], line, c);
    }
    d.place(grid, -47, 1, 5);  // (※3)
    grid->setColumnStretch(6, 1);
    column->addLayout(grid);
    d.add(column, {-48});  // (※3) バージョンアップ等で…
    return box;
}

void config(const Dialog& d, QVBoxLayout* root)
{
    root->addWidget(specialAttackGroup(d));
    root->addWidget(floatingGroup(d));
    QHBoxLayout* notes = rowOf(root);
    notes->setSpacing(24);
    d.add(notes, {-38, -39});  // (※1) …, (※2) …
    notes->addStretch(1);
    root->addWidget(toleranceGroup(d));
    root->addSpacing(6);
    d.add(root, {-49});  // 設定値を空白にして…
    root->addLayout(d.buttons({3}));
}

bool isIdName(const QString& name)
{
    return name.startsWith(QLatin1String("id"));
}

// Any other dialog: its texts and fields two by two in template order, its
// push buttons in a row at the bottom.
void plainGrid(QtControls& controls, QVBoxLayout* root)
{
    auto* grid = new QGridLayout;
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    int line = 0;
    int column = 0;
    for (QWidget* w : controls.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!isIdName(w->objectName()))
            continue;
        auto* push = qobject_cast<QPushButton*>(w);
        if (push != nullptr && !push->isCheckable()) {
            buttons->addWidget(w);
            continue;
        }
        const bool text = qobject_cast<QLabel*>(w) != nullptr;
        if (!text && column == 0)
            column = 1;
        grid->addWidget(w, line, column);
        if (text && column == 0) {
            column = 1;
        } else {
            column = 0;
            ++line;
        }
    }
    root->addLayout(grid);
    root->addStretch(1);
    root->addLayout(buttons);
}

}  // namespace

void layOutDialog(QtControls& controls, int templateId)
{
    auto* root = new QVBoxLayout(&controls);
    root->setContentsMargins(12, 10, 12, 10);
    root->setSpacing(8);
    const Dialog d(controls);
    if (templateId == kUserSettingTemplate)
        userSetting(d, root);
    else if (templateId == kConfigTemplate)
        config(d, root);
    else
        plainGrid(controls, root);
    if (QLabel* notice = controls.noticeLine())
        root->addWidget(notice);
}

}  // namespace kestrel::ui
