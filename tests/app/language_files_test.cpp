#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "../support/testfiles.h"
#include "model/base.h"
#include "model/comic.h"
#include "model/translate.h"

// The language files shipped in resources/ must translate every key the program can show;
// a missing key would appear on screen as the bare key.
namespace
{
using KeySet = std::set<std::string>;

const juce::File resourcesFolder(PLUMET_RESOURCES_DIR);

struct Language
{
    int code;            // the options' language value
    const char* name;    // the file's "language:" line
    uint16_t pageFormat; // the format of a new comic under this language
};

const Language shippedLanguages[] = {
    {1, "English", PPageFormat::a4},
    {2, "German", PPageFormat::a4},
    {3, "French", PPageFormat::a4},
};

juce::File languageFile(int code)
{
    return resourcesFolder.getChildFile("comics_locale" + languageSuffix(code) + ".lng");
}

KeySet keysOf(const juce::LocalisedStrings& strings)
{
    KeySet keys;
    for (const auto& key : strings.getMappings().getAllKeys())
        keys.insert(key.toStdString());
    return keys;
}

/** The keys of wanted that present lacks, quoted, for a readable failure message. */
std::string missingKeys(const KeySet& wanted, const KeySet& present)
{
    std::string missing;
    for (const auto& key : wanted)
        if (present.count(key) == 0)
            missing += " \"" + key + "\"";
    return missing;
}

KeySet listedKeys()
{
    juce::StringArray lines;
    juce::File(PLUMET_TEST_DATA).getChildFile("text_keys.txt").readLines(lines);
    KeySet keys;
    for (const auto& line : lines)
        if (line.trim().isNotEmpty())
            keys.insert(line.trim().toStdString());
    return keys;
}

KeySet familiesOf(const KeySet& keys)
{
    KeySet families;
    for (const auto& key : keys)
        if (auto dot = key.find('.'); dot != std::string::npos)
            families.insert(key.substr(0, dot));
    return families;
}

/** Source text with its comments blanked out, so that usage examples in comments do not count. */
std::string withoutComments(const std::string& source)
{
    std::string code;
    code.reserve(source.size());
    char quote = 0;
    for (size_t i = 0; i < source.size(); ++i)
    {
        const char c = source[i];
        const char next = i + 1 < source.size() ? source[i + 1] : '\0';
        if (quote != 0)
        {
            code += c;
            if (c == '\\' && next != '\0')
                code += source[++i];
            else if (c == quote)
                quote = 0;
        }
        else if (c == '/' && next == '/')
            i = std::min(source.find('\n', i), source.size()) - 1;
        else if (c == '/' && next == '*')
            i = std::min(source.find("*/", i + 2), source.size() - 2) + 1;
        else
        {
            // A quote after a digit is a digit separator (1'000), not a character literal.
            const bool afterDigit = i > 0 && std::isdigit(static_cast<unsigned char>(source[i - 1]));
            if (c == '"' || (c == '\'' && !afterDigit))
                quote = c;
            code += c;
        }
    }
    return code;
}

/** Keys written in the program's sources: a literal that is the whole argument of translate(), and any
    "Area.Item" literal of a known area (keys also live in tables and reach translate later). */
KeySet keysUsedInCode(const KeySet& families)
{
    static const std::regex translated(R"re(translate\s*\(\s*"([^"\\]+)"\s*\))re");
    static const std::regex areaItem(R"re("([A-Z][A-Za-z0-9]*)\.([A-Za-z0-9]+)")re");
    KeySet keys;
    const auto root = resourcesFolder.getParentDirectory();
    for (const char* folder : {"src", "tools"})
        for (const auto& file : root.getChildFile(folder).findChildFiles(juce::File::findFiles, true, "*.cpp;*.h"))
        {
            const auto text = withoutComments(file.loadFileAsString().toStdString());
            for (std::sregex_iterator m(text.begin(), text.end(), translated), end; m != end; ++m)
                keys.insert((*m)[1]);
            for (std::sregex_iterator m(text.begin(), text.end(), areaItem), end; m != end; ++m)
                if (families.count((*m)[1]) > 0)
                    keys.insert((*m)[1].str() + "." + (*m)[2].str());
        }
    // New pages, layers, clips and decor are named from "Target." and their class id.
    for (int classId : {PClass::clip, PClass::layer, PClass::page, PClass::decor})
        keys.insert("Target." + std::to_string(classId));
    return keys;
}

/** The printf conversions of a text in order; a translation must keep them all. */
std::vector<std::string> placeholdersOf(const juce::String& text)
{
    static const std::regex conversion(R"re(%[-+#0]*[0-9]*(\.[0-9]+)?[diouxXeEfgGcs%])re");
    const auto s = text.toStdString();
    std::vector<std::string> found;
    for (std::sregex_iterator m(s.begin(), s.end(), conversion), end; m != end; ++m)
        found.push_back(m->str());
    return found;
}

int keyLineCount(const juce::String& fileText)
{
    juce::StringArray lines;
    lines.addLines(fileText);
    int count = 0;
    for (const auto& line : lines)
        count += line.trimStart().startsWithChar('"') ? 1 : 0;
    return count;
}

/** Installs one language for a test and removes it again, so other tests see bare keys. */
struct InstalledLanguage
{
    explicit InstalledLanguage(const juce::File& file) { installTranslations(file.loadFileAsString()); }
    ~InstalledLanguage() { installTranslations({}); }
};
} // namespace

TEST(LanguageFiles, EachIsUtf8AndNamesItsLanguageWithOneLinePerKey)
{
    for (const auto& language : shippedLanguages)
    {
        const auto file = languageFile(language.code);
        SCOPED_TRACE(file.getFileName().toStdString());
        juce::MemoryBlock bytes;
        ASSERT_TRUE(file.loadFileAsData(bytes));
        EXPECT_TRUE(juce::CharPointer_UTF8::isValidString(static_cast<const char*>(bytes.getData()),
                                                          static_cast<int>(bytes.getSize())));
        const juce::LocalisedStrings strings(file, false);
        EXPECT_EQ(strings.getLanguageName().toStdString(), language.name);
        // Fewer mappings than key lines means a duplicated key, an empty text or a broken quote.
        EXPECT_EQ(strings.getMappings().size(), keyLineCount(file.loadFileAsString()));
    }
}

TEST(LanguageFiles, TranslateEveryListedKeyAndEveryKeyTheCodeUses)
{
    const auto listed = listedKeys();
    ASSERT_GE(listed.size(), 300u);
    auto wanted = keysUsedInCode(familiesOf(listed));
    ASSERT_EQ(wanted.count("PGUI.format"), 1u) << "the source scan found nothing";
    wanted.insert(listed.begin(), listed.end());

    for (const auto& language : shippedLanguages)
    {
        const juce::LocalisedStrings strings(languageFile(language.code), false);
        EXPECT_EQ(missingKeys(wanted, keysOf(strings)), "") << language.name << " lacks these keys";
    }
}

TEST(LanguageFiles, TranslationsShareTheEnglishKeysAndPlaceholders)
{
    const juce::LocalisedStrings english(languageFile(1), false);
    for (const auto& language : shippedLanguages)
    {
        const juce::LocalisedStrings other(languageFile(language.code), false);
        EXPECT_EQ(missingKeys(keysOf(other), keysOf(english)), "") << language.name << " has keys English lacks";
        for (const auto& key : english.getMappings().getAllKeys())
            EXPECT_EQ(placeholdersOf(other.translate(key)), placeholdersOf(english.translate(key)))
                << language.name << " " << key;
    }
}

TEST(LanguageFiles, InstalledFileTranslatesAndSetsTheNewComicFormat)
{
    const juce::String closeInGerman = juce::CharPointer_UTF8("Schlie\u00DFen");
    const std::pair<int, juce::String> closeCaptions[] = {{1, "Close"}, {2, closeInGerman}, {3, "Fermer"}};
    for (const auto& [code, caption] : closeCaptions)
    {
        InstalledLanguage installed(languageFile(code));
        EXPECT_EQ(translate("Text.Close"), caption);
    }
    TempFolder folder;
    for (const auto& language : shippedLanguages)
    {
        InstalledLanguage installed(languageFile(language.code));
        const PComic comic(folder.folder.getFullPathName());
        EXPECT_EQ(comic.format, language.pageFormat) << language.name;
    }
}
