#pragma once
// The card-file headers for window code. Qt defines "slots" as a keyword macro, which would
// rewrite the person card's field of that name when a Qt header comes first.
#pragma push_macro("slots")
#undef slots
#include "storage/card_file.hpp"
#include "storage/card_file_header.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "storage/card_file_store.hpp"
#pragma pop_macro("slots")
