#include "gui/sitepages.h"

#include "core/paths.h"

namespace corvessa {

QString homePageAddress() { return helpPagePath(QStringLiteral("\\help\\Home.htm")); }
QString newsPageAddress() { return helpPagePath(QStringLiteral("\\help\\News.htm")); }
QString downloadPageAddress() { return helpPagePath(QStringLiteral("\\help\\Data_Download.htm")); }

}  // namespace corvessa
