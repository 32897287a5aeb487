#include "lang/lang_rows.h"

#include "lang/same_text.h"

namespace dtu {

void LangRows::Add(LangEntry row) {
    rows_.push_back(std::move(row));
    if (indexed_) {
        Index(rows_.size() - 1);
    }
}

void LangRows::Index(std::size_t row) const {
    const LangEntry& entry = rows_[row];
    firstRow_[0].try_emplace(FoldedText(entry.key), row);
    firstRow_[1].try_emplace(FoldedText(entry.chinese), row);
    firstRow_[2].try_emplace(FoldedText(entry.english), row);
}

const std::string* LangRows::Find(const std::string& folded, bool chinese) const {
    std::call_once(indexing_, [this] {
        for (std::size_t row = 0; row < rows_.size(); ++row) {
            Index(row);
        }
        indexed_ = true;
    });
    for (const auto& column : firstRow_) {
        if (const auto found = column.find(folded); found != column.end()) {
            const LangEntry& row = rows_[found->second];
            return chinese ? &row.chinese : &row.english;
        }
    }
    return nullptr;
}

}  // namespace dtu
