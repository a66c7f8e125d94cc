#include "gui/sitepages.h"

#include "core/paths.h"

namespace corvessa {

QString homePageAddress() { return programPath(QStringLiteral("\\help\\Home.htm")); }
QString newsPageAddress() { return programPath(QStringLiteral("\\help\\News.htm")); }
QString downloadPageAddress() { return programPath(QStringLiteral("\\help\\Data_Download.htm")); }

}  // namespace corvessa
