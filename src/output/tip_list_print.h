#pragma once

// Printing the tip list page through the document printer.

#include "output/logic/tip_list_layout.h"

namespace vorlanz {

// Prints the page; a failed print is told in an alert box, a cancelled
// printer choice prints nothing.
void PrintTipList(const TipListContent& content);

}  // namespace vorlanz
