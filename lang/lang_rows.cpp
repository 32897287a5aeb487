#include "lang/lang_rows.h"

#include "lang/same_text.h"

namespace dtu {

void LangRows::Add(LangEntry row) {
    const std::size_t index = rows_.size();
    firstRow_[0].try_emplace(FoldedText(row.key), index);
    firstRow_[1].try_emplace(FoldedText(row.chinese), index);
    firstRow_[2].try_emplace(FoldedText(row.english), index);
    rows_.push_back(std::move(row));
}

const std::string* LangRows::Find(const std::string& folded, bool chinese) const {
    for (const auto& column : firstRow_) {
        if (const auto found = column.find(folded); found != column.end()) {
            const LangEntry& row = rows_[found->second];
            return chinese ? &row.chinese : &row.english;
        }
    }
    return nullptr;
}

}  // namespace dtu
