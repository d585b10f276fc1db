#pragma once
// Paints a finished document onto a printer page by page: lines from the top
// down at their own font size and direction, wrapped at the page width, a new
// page when the next line no longer fits, every image alone on a page and
// scaled to fit it.
#include <QPrinter>

#include "print_document.h"

namespace zenlith {

// False when the printer refused the document or a page.
bool paintDocument(QPrinter& printer, const PrintDocument& document);

}  // namespace zenlith
