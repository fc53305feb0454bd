#include "view/PropertiesDialog.h"

#include "platform/Paths.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace Shell {
namespace {

QString TypeText(mode_t mode)
{
    if (S_ISDIR(mode))
        return PropertiesDialog::tr("Folder");
    if (S_ISREG(mode))
        return PropertiesDialog::tr("File");
    if (S_ISLNK(mode))
        return PropertiesDialog::tr("Link");
    return PropertiesDialog::tr("Other");
}

QString SizeText(off_t size)
{
    const QLocale locale;
    const QString bytes = PropertiesDialog::tr("%1 bytes").arg(locale.toString(qint64(size)));
    if (size < 1024)
        return bytes;
    return locale.formattedDataSize(size) + QStringLiteral(" (") + bytes + QLatin1Char(')');
}

QString UserName(uid_t uid)
{
    std::vector<char> buffer(16384);
    passwd entry;
    passwd* found = nullptr;
    if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(uid);
}

QString GroupName(gid_t gid)
{
    std::vector<char> buffer(16384);
    group entry;
    group* found = nullptr;
    if (::getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return QString::fromLocal8Bit(found->gr_name);
    return QString::number(gid);
}

QString LinkTarget(const std::string& path, off_t size)
{
    std::vector<char> buffer(size_t(size > 0 ? size : 4095) + 1);
    const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (length < 0)
        return {};
    return platform::DisplayText(std::string_view(buffer.data(), size_t(length)));
}

} // namespace

PropertiesDialog::PropertiesDialog(const std::string& path, QWidget* parent)
    : QDialog(parent), m_form(new QFormLayout)
{
    std::string entry = path;
    while (entry.size() > 1 && entry.back() == '/')
        entry.pop_back();
    std::string_view name = platform::LastComponent(entry);
    std::string folder = entry.substr(0, entry.size() - name.size());
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    if (name.empty()) // the root
        name = entry;
    setWindowTitle(tr("%1 Properties").arg(platform::DisplayText(name)));

    AddRow(Field::Name, tr("Name:"), platform::DisplayText(name));
    AddRow(Field::Folder, tr("Folder:"), platform::DisplayText(folder));
    struct stat st;
    if (::lstat(entry.c_str(), &st) != 0) {
        const int error = errno;
        AddRow(Field::Type, tr("Type:"),
               tr("cannot be read: %1").arg(QString::fromStdString(std::generic_category().message(error))));
    } else {
        AddRow(Field::Type, tr("Type:"), TypeText(st.st_mode));
        if (S_ISLNK(st.st_mode))
            AddRow(Field::Target, tr("Points to:"), LinkTarget(entry, st.st_size));
        if (S_ISREG(st.st_mode))
            AddRow(Field::Size, tr("Size:"), SizeText(st.st_size));
        const QDateTime modified = QDateTime::fromSecsSinceEpoch(st.st_mtime);
        AddRow(Field::Modified, tr("Modified:"), QLocale().toString(modified, QLocale::LongFormat));
        AddRow(Field::Permissions, tr("Permissions:"), PermissionText(st.st_mode));
        AddRow(Field::Owner, tr("Owner:"), tr("%1, group %2").arg(UserName(st.st_uid), GroupName(st.st_gid)));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    layout->addWidget(buttons);
}

QString PropertiesDialog::Text(Field field) const
{
    const auto found = m_texts.find(field);
    return found == m_texts.end() ? QString() : found->second;
}

QString PropertiesDialog::PermissionText(unsigned mode)
{
    QString text = QStringLiteral("---------");
    static constexpr char kLetters[] = "rwx";
    for (int bit = 0; bit < 9; ++bit)
        if (mode & (0400u >> bit))
            text[bit] = QLatin1Char(kLetters[bit % 3]);
    // A special bit shows in the execute place: lower case when execution is allowed too.
    const auto special = [&text, mode](int place, unsigned bit, char letter) {
        if (mode & bit)
            text[place] = QLatin1Char(text[place] == QLatin1Char('x') ? letter : char(letter - 'a' + 'A'));
    };
    special(2, S_ISUID, 's');
    special(5, S_ISGID, 's');
    special(8, S_ISVTX, 't');
    return text;
}

void PropertiesDialog::AddRow(Field field, const QString& label, const QString& text)
{
    auto* value = new QLabel(text);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setTextFormat(Qt::PlainText);
    m_form->addRow(label, value);
    m_texts[field] = text;
}

} // namespace Shell
