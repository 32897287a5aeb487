#include "lang/builtin_texts.h"

#include <system_error>

namespace dtu {

void FillLangTable(TLangList& list) {
    list.AddText("lang_System_Title", "Brantec-GPRS-DTU", "Brantec-GPRS-DTU");
    list.AddText("lang_Menu_File", "\xCE\xC4\xBC\xFE(&F)", "File(&F)");
    list.AddText("lang_Menu_Lang", "English(&L)", "Chinese(&L)");
}

std::string InitLanguage(const std::string& fileName) {
    delete LangList;
    LangList = new TLangList;
    FillLangTable(*LangList);
    try {
        LangList->LoadLangFile(fileName);
    } catch (const std::system_error& e) {
        return e.what();
    }
    return {};
}

void FreeLanguage() {
    delete LangList;
    LangList = nullptr;
}

}  // namespace dtu
