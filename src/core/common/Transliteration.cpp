#include "core/common/Transliteration.h"

#include "core/common/Cp1252.h"

#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <memory>

namespace {

// Any-Latin gives Latin with the marks of a transcription (Greek "Elénē", Han "xiǎo"); the
// handset gets them as plain letters, so a transcription is one spelling, not a mix of marked
// letters Windows-1252 has and plain ones it lacks.
const char* const kToLatin = "Any-Latin; Latin-ASCII";

// Making a transliterator loads and compiles its rules, which takes long enough to notice
// when it is done per name; one object may not be used by two threads at once.
icu::Transliterator* ThreadTransliterator()
{
    thread_local std::unique_ptr<icu::Transliterator> held;
    thread_local bool tried = false;
    if (!tried) {
        tried = true;
        UErrorCode status = U_ZERO_ERROR;
        held.reset(icu::Transliterator::createInstance(kToLatin, UTRANS_FORWARD, status));
        if (U_FAILURE(status))
            held.reset();
    }
    return held.get();
}

bool IsCasedLetter(UChar32 c)
{
    return u_hasBinaryProperty(c, UCHAR_CASED);
}

// Scripts without capitals (Han, Kana, Hangul, Arabic, ...) come out in lower case; a name
// reads as a name with each word capitalised.
void CapitaliseWords(icu::UnicodeString& text)
{
    bool wordStart = true;
    for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
        const UChar32 c = text.char32At(i);
        if (u_isalpha(c)) {
            if (wordStart)
                text.replace(i, U16_LENGTH(c), static_cast<UChar32>(u_toupper(c)));
            wordStart = false;
        } else {
            wordStart = true;
        }
    }
}

QString FromIcu(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

}  // namespace

namespace Transliteration {

QString ToCp1252Letters(QStringView text)
{
    // Letters written as a base and a combining mark (e + ´) are one stored letter (é).
    const QString composed = text.toString().normalized(QString::NormalizationForm_C);
    icu::Transliterator* toLatin = nullptr;
    QString out;
    out.reserve(composed.size());
    qsizetype i = 0;
    while (i < composed.size()) {
        if (Cp1252::CanEncode(composed[i])) {
            out += composed[i++];
            continue;
        }
        // A run of letters the handset cannot store goes through as one, so a transcription
        // sees its neighbours (Han words, Greek final sigma).
        const qsizetype start = i;
        while (i < composed.size() && !Cp1252::CanEncode(composed[i]))
            ++i;
        if (!toLatin)
            toLatin = ThreadTransliterator();
        if (!toLatin) {
            out += QStringView(composed).sliced(start, i - start);
            continue;
        }
        icu::UnicodeString run(reinterpret_cast<const char16_t*>(composed.constData() + start),
                               static_cast<int32_t>(i - start));
        bool cased = false;
        for (int32_t k = 0; k < run.length(); k = run.moveIndex32(k, 1))
            cased = cased || IsCasedLetter(run.char32At(k));
        toLatin->transliterate(run);
        if (!cased)
            CapitaliseWords(run);
        out += FromIcu(run);
    }
    return out;
}

}  // namespace Transliteration
