#pragma once

#include <array>
#include <atomic>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "lang/lang_file.h"

namespace dtu {

// Rows of a key, a Chinese and an English text, in the order they were added,
// with each column hashed by its folded text (lang/same_text.h) to the first
// row that holds it: a lookup costs the same however many rows there are. The
// hashes are made at the first lookup: a table of built-in rows behind a
// complete language file is never searched.
class LangRows {
public:
    LangRows() = default;
    LangRows(const LangRows&) = delete;
    LangRows& operator=(const LangRows&) = delete;

    void Add(LangEntry row);

    // The text in the chosen language of the first row whose key, else
    // Chinese text, else English text folds to `folded`; null when none does.
    const std::string* Find(const std::string& folded, bool chinese) const;

    const std::vector<LangEntry>& Rows() const { return rows_; }

private:
    void Index(std::size_t row) const;

    std::vector<LangEntry> rows_;
    // Key, Chinese and English columns: folded text to the first row holding it.
    // Lookups from several threads may be the first.
    mutable std::array<std::unordered_map<std::string, std::size_t>, 3> firstRow_;
    mutable std::once_flag indexing_;
    mutable std::atomic<bool> indexed_ = false;
};

}  // namespace dtu
