#pragma once

#include <string>
#include <vector>

#include "settings/ini_file.h"

namespace dtu {

// A list key of a settings file or profile whose stored value is no item of its
// list: loading gives the field its default instead, which the user is told.
struct IndexOutsideList {
    const char* section;
    const char* key;
    std::string found;  // as stored
    int used;           // the default loaded in its place
    bool operator==(const IndexOutsideList&) const = default;
};

// Every such key of `file`, in the order of the form; `profile` adds the work
// mode and the view.
std::vector<IndexOutsideList> IndexesOutsideLists(const IniFile& file, bool profile);

}  // namespace dtu
