#include "lyrics/lyricsfont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace {

// What the lyrics were designed with, in their order of preference.
constexpr const char *designFaces = ";微软雅黑;楷体;黑体;宋体;Tahoma";
// None of the design faces exists on a typical Linux desktop; these are the common CJK faces there.
constexpr const char *linuxFaces = ";Noto Sans CJK SC;Source Han Sans SC;WenQuanYi Micro Hei";

const QString &systemSansFace()
{
    static const QString face = [] {
        QFont font;
        font.setStyleHint(QFont::SansSerif);
        return QFontInfo(font).family();
    }();
    return face;
}

} // namespace

QString lyricsFaceList(const QString &face)
{
    return face + QString::fromUtf8(designFaces) + QString::fromUtf8(linuxFaces) + u';' + systemSansFace();
}

std::optional<QFont> makeFontFromList(const QString &faceList, int pixelSize, int style)
{
    if (pixelSize < 1)
        return std::nullopt;
    QStringList installed;
    for (const QString &face : faceList.split(u';', Qt::SkipEmptyParts)) {
        if (QFontDatabase::hasFamily(face) && !installed.contains(face, Qt::CaseInsensitive))
            installed << face;
    }
    if (installed.isEmpty())
        return std::nullopt;
    QFont font;
    font.setFamilies(installed);
    font.setPixelSize(pixelSize);
    font.setBold(style & FontBold);
    font.setItalic(style & FontItalic);
    font.setUnderline(style & FontUnderline);
    return font;
}
