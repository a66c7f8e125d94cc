#pragma once
#include <QString>

namespace corvessa {

// The maker's pages. We keep them as local pages beside the program.
QString homePageAddress();      // "Home Page" of the start-up window
QString newsPageAddress();      // "New" of the main window
QString downloadPageAddress();  // "Download" of the draw editor

}  // namespace corvessa
