#pragma once

#include <QDialog>
#include <map>
#include <string>

class QFormLayout;

namespace Shell {

// Our own property sheet for one file or folder, for desktops whose file manager does not show one.
// It reads the entry once, when made, and does not follow a symbolic link: the link itself is shown.
class PropertiesDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Field
    {
        Name,
        Folder,
        Type,
        Target,
        Size,
        Modified,
        Permissions,
        Owner
    };

    explicit PropertiesDialog(const std::string& path, QWidget* parent = nullptr);

    // The text shown for a field; empty when the sheet has no such row (a folder has no size).
    QString Text(Field field) const;

    // The permission bits as ls shows them: "rwxr-xr-x", with s/S and t/T for the special bits.
    static QString PermissionText(unsigned mode);

private:
    void AddRow(Field field, const QString& label, const QString& text);

    QFormLayout* m_form;
    std::map<Field, QString> m_texts;
};

} // namespace Shell
