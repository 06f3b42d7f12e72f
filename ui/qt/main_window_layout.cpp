// The main window's widgets arranged in their bands, top to bottom: the file
// and class strip, the family rows, HP/MP comparisons with Config, the user
// block, the four damage rows, the observation buttons, the search line, the
// skill buttons, the result line, the list (which takes the spare room) and the
// bottom strip. Sizes are those of the original window at about twice its
// dialog units.

#include "ui/hint_panel.h"
#include "ui/list_view.h"
#include "ui/main_window/ids.h"
#include "ui/qt/qt_controls.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <array>
#include <initializer_list>
#include <vector>

// The icons are compiled into this library; a static library needs them
// registered by name.
static void registerKestrelResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(kestrel);
        return true;
    }();
    (void)registered;
}

namespace kestrel::ui {

namespace {

constexpr int kIconButtonSize = 22;
constexpr int kIconSize = 12;
constexpr int kFamilyButtonWidth = 30;
constexpr int kFamilyButtonHeight = 24;
constexpr int kDamageEditWidth = 64;
constexpr int kSmallEditWidth = 56;
constexpr int kValueButtonWidth = 84;
// The user name and the damage rows' labels: the ◀ buttons below each other.
constexpr int kLeadWidth = 124;

class Bands {
public:
    explicit Bands(QtControls& controls) : controls_(controls) {}

    QWidget* at(int id) const { return controls_.widget(id); }

    // Adds the widgets of ids to a row, skipping any the set lacks.
    void add(QBoxLayout* row, std::initializer_list<int> ids) const
    {
        for (int id : ids) {
            if (QWidget* w = at(id))
                row->addWidget(w);
        }
    }
    void place(QGridLayout* grid, int id, int row, int column, int columnSpan = 1,
               Qt::Alignment alignment = {}) const
    {
        if (QWidget* w = at(id))
            grid->addWidget(w, row, column, 1, columnSpan, alignment);
    }

    void edit(int id, int width) const
    {
        if (auto* e = qobject_cast<QLineEdit*>(at(id))) {
            e->setFixedWidth(width);
            e->setAlignment(Qt::AlignCenter);
        }
    }
    // A text that the logic rewrites keeps its room, so that nothing beside it
    // moves when it changes.
    void text(int id, int minimumWidth, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) const
    {
        if (auto* label = qobject_cast<QLabel*>(at(id))) {
            label->setMinimumWidth(minimumWidth);
            label->setAlignment(alignment);
        }
    }
    void iconButton(int id, const char* icon) const
    {
        if (auto* button = qobject_cast<QAbstractButton*>(at(id))) {
            button->setIcon(QIcon(QString::fromLatin1(icon)));
            button->setIconSize(QSize(kIconSize, kIconSize));
            button->setFixedSize(kIconButtonSize, kIconButtonSize);
            button->setFocusPolicy(Qt::TabFocus);
        }
    }

private:
    QtControls& controls_;
};

QFrame* separator()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QHBoxLayout* row(QVBoxLayout* root)
{
    auto* r = new QHBoxLayout;
    r->setSpacing(4);
    root->addLayout(r);
    return r;
}

void fileAndClassStrip(const Bands& b, QVBoxLayout* root)
{
    QHBoxLayout* r = row(root);
    b.add(r, {1004});
    b.text(id::kPath, 240);
    if (QWidget* path = b.at(id::kPath)) {
        auto* label = qobject_cast<QLabel*>(path);
        if (label != nullptr) {
            label->setFrameShape(QFrame::StyledPanel);
            label->setFrameShadow(QFrame::Sunken);
        }
        r->addWidget(path, 1);
    }
    b.add(r, {id::kRefer});
    r->addSpacing(24);
    for (int radio : id::kClassRadios)
        b.add(r, {radio});
    r->addStretch(1);
    for (int debug : id::kDebugStatics)
        b.add(r, {debug});
    // The hidden default button: Enter in an edit presses it, and it does nothing.
    if (QWidget* dummy = b.at(id::kDummyDefault)) {
        r->addWidget(dummy);
        dummy->hide();
    }
}

void familyRows(const Bands& b, QVBoxLayout* root)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    b.place(grid, id::kConfirmBox, 0, 0);
    b.place(grid, id::kExcludeBox, 1, 0);
    for (int k = 0; k < 14; ++k) {
        for (int line = 0; line < 2; ++line) {
            const int button = line == 0 ? id::kConfirmRow[k] : id::kExcludeRow[k];
            if (QWidget* w = b.at(button)) {
                w->setFixedSize(kFamilyButtonWidth, kFamilyButtonHeight);
                grid->addWidget(w, line, k + 1);
            }
        }
    }
    grid->setColumnMinimumWidth(0, 64);
    grid->setColumnStretch(15, 1);
    root->addLayout(grid);
}

void comparisonsAndConfig(const Bands& b, QVBoxLayout* root)
{
    QHBoxLayout* r = row(root);
    for (int id : {id::kHpAtLeastEdit, id::kHpAtMostEdit, id::kMpAtLeastEdit, id::kMpAtMostEdit})
        b.edit(id, kSmallEditWidth);
    b.text(1016, 24);
    b.add(r, {1016, id::kHpAtLeastBox, id::kHpAtLeastEdit, 1020});
    r->addSpacing(8);
    b.add(r, {id::kHpAtMostBox, id::kHpAtMostEdit, 1025});
    r->addSpacing(24);
    b.text(1056, 24);
    b.add(r, {1056, id::kMpAtLeastBox, id::kMpAtLeastEdit, 1057});
    r->addSpacing(8);
    b.add(r, {id::kMpAtMostBox, id::kMpAtMostEdit, 1068});
    r->addStretch(1);
    b.add(r, {id::kConfig});
}

void userBlock(const Bands& b, QVBoxLayout* root)
{
    QHBoxLayout* r = row(root);
    b.text(id::kUserName, kLeadWidth);
    b.iconButton(id::kUserDown, ":/icons/left.svg");
    b.iconButton(id::kUserUp, ":/icons/right.svg");
    b.edit(id::kUserNo, 44);
    b.add(r, {id::kUserName, id::kUserDown, id::kUserNo, id::kUserUp, 1117});
    r->addSpacing(24);
    b.text(id::kWeaponName, 96);
    if (QWidget* weapon = b.at(id::kWeaponName))
        weapon->setCursor(Qt::PointingHandCursor);  // a click shows the special attack's ratio
    b.add(r, {1110, id::kWeaponName, id::kChangeUser});
    r->addSpacing(24);
    b.text(id::kUserAttack, 72);
    b.text(id::kUserDefense, 72);
    b.add(r, {id::kUserAttack, id::kUserDefense});
    r->addStretch(1);
}

// Columns of the damage rows: what the row is (its check box and label, or a
// name), ◀, low edit, "～", high edit, ▶, then what follows the row (ratio or text).
void damageRow(const Bands& b, QGridLayout* grid, int line, std::initializer_list<int> lead,
               std::initializer_list<int> field, std::initializer_list<int> tail)
{
    auto* what = new QHBoxLayout;
    what->setSpacing(2);
    b.add(what, lead);
    what->addStretch(1);
    grid->addLayout(what, line, 0);
    const int* f = field.begin();  // down, low, separator, high, up
    b.iconButton(f[0], ":/icons/left.svg");
    b.iconButton(f[4], ":/icons/right.svg");
    b.edit(f[1], kDamageEditWidth);
    b.edit(f[3], kDamageEditWidth);
    for (int i = 0; i < 5; ++i)
        b.place(grid, f[i], line, 1 + i, 1, Qt::AlignCenter);
    auto* after = new QHBoxLayout;
    after->setSpacing(4);
    b.add(after, tail);
    after->addStretch(1);
    grid->addLayout(after, line, 6);
}

void damageRows(const Bands& b, QVBoxLayout* root)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    for (int ratio : {1113, 1171, 1082, 1172})
        b.text(ratio, 40, Qt::AlignRight | Qt::AlignVCenter);
    b.text(id::kMoonsaultVerdict, 140);
    b.text(id::kSpecialVerdict, 140);
    b.text(id::kSpecialName, 120);
    damageRow(b, grid, 0, {1160}, {id::kMoonsaultDown, id::kMoonsaultLow, 1157, id::kMoonsaultHigh, id::kMoonsaultUp},
              {1113, 1174, 1171, 1078, id::kMoonsaultVerdict});
    damageRow(b, grid, 1, {id::kTakenBox, 1095}, {id::kTakenDown, id::kTakenLow, 1131, id::kTakenHigh, id::kTakenUp},
              {1097});
    damageRow(b, grid, 2, {id::kDealtBox, 1088}, {id::kDealtDown, id::kDealtLow, 1119, id::kDealtHigh, id::kDealtUp},
              {1091});
    damageRow(b, grid, 3, {id::kSpecialName},
              {id::kSpecialDown, id::kSpecialLow, 1154, id::kSpecialHigh, id::kSpecialUp},
              {1082, 1173, 1172, 1077, id::kSpecialVerdict});
    grid->setColumnMinimumWidth(0, kLeadWidth);
    grid->setColumnStretch(6, 1);
    root->addLayout(grid);
}

void observationButtons(const Bands& b, QVBoxLayout* root)
{
    QHBoxLayout* r = row(root);
    const int pairs[][2] = {{id::kMetalBox, id::kMetalButton},     {id::kFloatingBox, id::kFloatingButton},
                            {id::kSizeBox, id::kSizeButton},       {id::kMpDrainBox, id::kMpDrainButton},
                            {id::kAngerBox, id::kAngerButton},     {id::kPushBox, id::kPushButton}};
    for (const auto& pair : pairs) {
        b.add(r, {pair[0]});
        if (QWidget* button = b.at(pair[1])) {
            button->setFixedWidth(kValueButtonWidth);
            r->addWidget(button);
        }
        r->addSpacing(12);
    }
    r->addStretch(1);
}

void searchLine(const Bands& b, QVBoxLayout* root)
{
    QHBoxLayout* r = row(root);
    if (auto* search = qobject_cast<QLineEdit*>(b.at(id::kSearchEdit)))
        search->setMinimumWidth(240);
    // The box reads "特技検索" or "豆検索" by layout; the edit stays put.
    if (QWidget* box = b.at(id::kSearchBox))
        box->setMinimumWidth(box->sizeHint().width());
    b.add(r, {id::kSearchBox, id::kSearchEdit, 1181});
    r->addStretch(1);
    QHBoxLayout* tolerance = row(root);
    b.add(tolerance, {id::kToleranceBox});
    tolerance->addStretch(1);
}

void skillButtons(const Bands& b, QVBoxLayout* root)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    constexpr int kCount = static_cast<int>(id::kSkillButtons.size());
    constexpr int kPerLine = kCount / 2;
    for (int k = 0; k < kCount; ++k) {
        if (QWidget* w = b.at(id::kSkillButtons[k])) {
            w->setMinimumWidth(96);
            w->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            grid->addWidget(w, k / kPerLine, k % kPerLine);
        }
    }
    root->addLayout(grid);
}

void rangeStatics(const Bands& b, QHBoxLayout* r, int caption, const std::array<int, 5>& range)
{
    b.text(range[0], 48, Qt::AlignRight | Qt::AlignVCenter);
    b.text(range[1], 12, Qt::AlignCenter);
    b.text(range[2], 48, Qt::AlignLeft | Qt::AlignVCenter);
    b.text(range[3], 64, Qt::AlignCenter);
    b.text(range[4], 44, Qt::AlignLeft | Qt::AlignVCenter);
    b.add(r, {caption, range[0], range[1], range[2], range[3], range[4]});
}

void resultLine(const Bands& b, QVBoxLayout* root)
{
    QHBoxLayout* r = row(root);
    b.add(r, {id::kReset});
    r->addSpacing(16);
    rangeStatics(b, r, 1087, id::kAttackRange);
    r->addSpacing(12);
    rangeStatics(b, r, 1111, id::kDefenseRange);
    b.add(r, {1163});
    rangeStatics(b, r, 1162, id::kBonusDefenseRange);
    r->addStretch(1);
}

void bottomStrip(const Bands& b, QVBoxLayout* root)
{
    QHBoxLayout* r = row(root);
    b.add(r, {id::kListLock});
    r->addWidget(separator());
    for (int key : {0, 1, 4, 2, 3, 5, 6})  // left to right as the original
        b.add(r, {id::kSortRadios[key]});
    r->addWidget(separator());
    for (int radio : id::kLayoutRadios)
        b.add(r, {radio});
    r->addStretch(1);
    b.text(kIdCandidateCount, 36, Qt::AlignRight | Qt::AlignVCenter);
    b.add(r, {1039, kIdCandidateCount, 1041});
}

}  // namespace

void layOutMainWindow(QtControls& controls)
{
    registerKestrelResources();
    Bands b(controls);
    auto* root = new QVBoxLayout(&controls);
    root->setContentsMargins(8, 6, 8, 6);
    root->setSpacing(4);

    fileAndClassStrip(b, root);
    familyRows(b, root);
    comparisonsAndConfig(b, root);
    userBlock(b, root);
    damageRows(b, root);
    observationButtons(b, root);
    searchLine(b, root);
    skillButtons(b, root);
    resultLine(b, root);
    if (QWidget* list = b.at(kIdList)) {
        list->setMinimumHeight(160);
        // No grid: the trivia layout's blocks are set apart by their own lines.
        if (auto* table = qobject_cast<QTableView*>(list))
            table->setShowGrid(false);
        root->addWidget(list, 1);
    }
    bottomStrip(b, root);
    // The hint panel's controls have no place in these bands: out of sight until they get one.
    std::vector<int> hints(kIdAdviceLines.begin(), kIdAdviceLines.end());
    hints.insert(hints.end(), kIdNearMissLines.begin(), kIdNearMissLines.end());
    hints.insert(hints.end(), kIdWhyGoneLines.begin(), kIdWhyGoneLines.end());
    hints.push_back(kIdWhyGoneEdit);
    for (int id : hints)
        if (QWidget* hint = b.at(id))
            hint->hide();
    if (QLabel* notice = controls.noticeLine())
        root->addWidget(notice);

    // Every push button answers Enter when it has the focus; Enter in an edit
    // reaches no button at all.
    for (QPushButton* button : controls.findChildren<QPushButton*>())
        button->setAutoDefault(!button->isCheckable());
    controls.resize(1040, 840);
}

}  // namespace kestrel::ui
