// Feeds arbitrary bytes to the settings file and the language file as the
// program reads them. Settings: the form loaded from them is saved and loaded
// again unchanged; and, for every key of the file, read every value and take it
// through the conversions the window makes, write it back, save, load again:
// every value without a CR must come back byte for byte, and a third round
// must change nothing. Language file: the bounds hold however the bytes arrive, and the
// hashed lookups find what a search of every row finds.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "form/form_model.h"
#include "form/form_settings.h"
#include "lang/file_io.h"
#include "lang/gbk.h"
#include "lang/lang_file.h"
#include "lang/lang_list.h"
#include "lang/same_text.h"
#include "settings/ini_document.h"
#include "settings/ini_file.h"
#include "tests/fuzz/form_round_trip.h"
#include "tests/fuzz/scratch_file.h"

namespace {

using dtu::fuzz::Check;

// What the window holds for a value and gives back unedited.
std::string ShownAndTakenBack(const std::string& value) {
    return dtu::Utf8ToGbk(dtu::GbkToUtf8(value));
}

// One round: load, read and write back every value, save. Returns what was read.
std::vector<std::string> RoundTrip(const std::filesystem::path& file,
                                   const std::vector<dtu::IniKeyName>& keys) {
    dtu::IniFile ini(file);
    std::vector<std::string> values;
    for (const auto& name : keys) {
        values.push_back(ini.ReadString(name.section, name.key, "\x01missing"));
        const std::string back = ShownAndTakenBack(values.back());
        Check(back == values.back());
        try {
            ini.WriteString(name.section, name.key, back);
        } catch (const std::invalid_argument&) {
            // A name the program would never write; it is only read.
        }
    }
    // A file that cannot be written is reported, not a fault of the reader.
    static_cast<void>(ini.Save());
    return values;
}

std::string Read(const std::filesystem::path& file) {
    std::string text;
    dtu::ReadRegularFile(file, text);
    return text;
}

// The form loaded from the file, then saved and loaded again.
void FormRoundTrip(const std::filesystem::path& file) {
    dtu::FormModel form;
    dtu::LoadFormSettings(dtu::IniFile(file), form);
    dtu::fuzz::CheckFormRoundTrip(form);
}

void SettingsRoundTrip(std::string_view bytes) {
    const dtu::fuzz::ScratchFile file;
    file.Write(bytes);
    FormRoundTrip(file.Path());
    const auto keys = dtu::IniDocument(bytes).KeyNames();
    const auto first = RoundTrip(file.Path(), keys);
    const auto second = RoundTrip(file.Path(), keys);
    for (std::size_t i = 0; i < first.size(); ++i) {
        // A CR, which a one-line value cannot keep, is saved as "\r".
        Check(second[i] == first[i] || first[i].find('\r') != std::string::npos);
    }
    const std::string saved = Read(file.Path());
    Check(RoundTrip(file.Path(), keys) == second);
    Check(Read(file.Path()) == saved);
}

// The text of the first row whose key, else Chinese, else English text equals
// `text`, searched row by row.
const std::string* Search(const std::vector<dtu::LangEntry>& rows, const std::string& text,
                          bool chinese) {
    for (const auto column :
         {&dtu::LangEntry::key, &dtu::LangEntry::chinese, &dtu::LangEntry::english}) {
        for (const auto& row : rows) {
            if (dtu::SameText(row.*column, text)) {
                return chinese ? &row.chinese : &row.english;
            }
        }
    }
    return nullptr;
}

void LanguageFile(std::string_view bytes) {
    const auto entries = dtu::ParseLangFile(bytes);
    Check(entries.size() <= dtu::kLangMaxEntries);
    for (const auto& entry : entries) {
        Check(entry.key.size() + entry.chinese.size() + entry.english.size() <=
              dtu::kLangMaxLineBytes);
    }
    // Chunk boundaries change nothing.
    dtu::LangFileParser parser;
    const std::size_t chunk = bytes.empty() ? 1 : static_cast<unsigned char>(bytes[0]) % 13 + 1;
    for (std::size_t at = 0; at < bytes.size() && parser.Feed(bytes.substr(at, chunk));
         at += chunk) {
    }
    parser.Finish();
    const auto chunked = parser.TakeEntries();
    Check(chunked.size() == entries.size());

    dtu::TLangList list;
    for (const auto& entry : entries) {
        list.AddText(entry.key, entry.chinese, entry.english);
    }
    constexpr std::size_t kLookedUp = 32;
    for (std::size_t i = 0; i < entries.size() && i < kLookedUp; ++i) {
        for (const auto& text : {entries[i].key, entries[i].chinese, entries[i].english}) {
            for (const bool chinese : {false, true}) {
                list.IsChinese = chinese;
                const std::string* expected = Search(entries, text, chinese);
                Check(list.GetText(text) == (expected != nullptr ? *expected : text));
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    SettingsRoundTrip(bytes);
    LanguageFile(bytes);
    return 0;
}
