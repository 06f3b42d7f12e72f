#include "ui/qt/fonts.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace kestrel::ui {

void preferJapaneseFonts(QApplication& app)
{
    QFont font = app.font();
    QStringList families = {QStringLiteral("IPAPGothic"),       QStringLiteral("IPAGothic"),
                            QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Source Han Sans JP"),
                            QStringLiteral("Yu Gothic UI"),     QStringLiteral("Meiryo UI"),
                            QStringLiteral("MS UI Gothic"),     QStringLiteral("Hiragino Sans")};
    families.append(font.families());
    font.setFamilies(families);
    app.setFont(font);
}

}  // namespace kestrel::ui
