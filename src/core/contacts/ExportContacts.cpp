#include "core/contacts/ExportContacts.h"

#include "core/common/Cp1252.h"
#include "core/phonebook/PhonebookEntry.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

// The header's words, as the importer guesses them.
constexpr char kNameWord[] = "name";
constexpr char kPhoneWord[] = "phone";

QString Text(const std::string& bytes)
{
    return Cp1252::ToUnicode(bytes);
}

QByteArray Quoted(const std::string& bytes)
{
    QString text = Text(bytes);
    text.replace(u'"', QStringLiteral("\"\""));
    return '"' + text.toUtf8() + '"';
}

QByteArray Csv(const std::vector<const PhonebookEntry*>& entries)
{
    QByteArray out = QByteArray("\"") + kNameWord + "\",\"" + kPhoneWord + "\"\r\n";
    for (const PhonebookEntry* e : entries)
        out += Quoted(e->name) + ',' + Quoted(e->number) + "\r\n";
    return out;
}

// Text values escape backslashes, commas, semicolons and line breaks.
QByteArray VCardText(const std::string& bytes)
{
    QString text = Text(bytes);
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u',', QStringLiteral("\\,"));
    text.replace(u';', QStringLiteral("\\;"));
    text.replace(u'\n', QStringLiteral("\\n"));
    return text.toUtf8();
}

QByteArray VCard(const std::vector<const PhonebookEntry*>& entries)
{
    QByteArray out;
    for (const PhonebookEntry* e : entries) {
        const QByteArray name = VCardText(e->name);
        out += "BEGIN:VCARD\r\nVERSION:3.0\r\n";
        out += "FN:" + name + "\r\n";
        out += "N:;" + name + ";;;\r\n";
        if (!e->number.empty())
            out += "TEL;TYPE=VOICE:" + VCardText(e->number) + "\r\n";
        out += "END:VCARD\r\n";
    }
    return out;
}

}  // namespace

Msg ExportContacts(const QString& path, const std::vector<const PhonebookEntry*>& entries, FileFailure* failure)
{
    if (entries.empty())
        return Msg::NoRecordsToWrite;
    const bool vcard = QFileInfo(path).suffix().compare(QLatin1String("vcf"), Qt::CaseInsensitive) == 0;
    const QByteArray bytes = vcard ? VCard(entries) : Csv(entries);
    QSaveFile file(path);
    const auto fail = [&](Msg m) {
        if (failure)
            *failure = FileFailure::OfWrite(path, file.errorString());
        return m;
    };
    // Unbuffered, so that a short write is noticed before the file is put in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(Msg::CouldNotOpenFile);
    if (file.write(bytes) != bytes.size()) {
        const Msg m = fail(Msg::CouldNotWriteExport);
        file.cancelWriting();
        return m;
    }
    return file.commit() ? Msg::Ok : fail(Msg::CouldNotWriteExport);
}
