#include "shell/RibbonElements.h"

#include "shell/VisualStyles.h"
#include "view/Commands.h"
#include "view/SwitchTips.h"

#include <QPainter>
#include <QWidget>

namespace RibbonElements {
namespace {

// The drawing of each command with one, under ":/ribbon/".
struct CommandPicture
{
    int id;
    const char* name;
};
constexpr CommandPicture kPictures[] = {
    {Commands::StartSearch, "media-playback-start"},
    {Commands::StopSearch, "process-stop"},
    {Commands::LaunchExplorer, "folder"},
    {Commands::LaunchCommandPrompt, "utilities-terminal"},
    {Commands::LaunchRecycleBin, "user-trash"},
    {Commands::ExportFileList, "document-export"},
    {Commands::WebPage, "help-contents"},
    {Commands::DuplicateFiles, "edit-copy"},
    {Commands::AppAbout, "help-about"},
};

} // namespace

QIcon CommandIcon(int id)
{
    for (const CommandPicture& picture : kPictures) {
        if (picture.id == id) {
            return Picture(QString::fromLatin1(picture.name));
        }
    }
    return {};
}

QIcon Picture(const QString& name)
{
    return QIcon(QStringLiteral(":/ribbon/%1.svg").arg(name));
}

QString ElementDescription(int id)
{
    const QString onThisMachine = SwitchTips::Description(id);
    return onThisMachine.isEmpty() ? Commands::Description(id) : onThisMachine;
}

QString ElementToolTip(int id)
{
    return QStringLiteral("<b>%1</b><br>%2")
        .arg(Commands::Tooltip(id).toHtmlEscaped(), ElementDescription(id).toHtmlEscaped());
}

void PaintFocusFrame(QWidget* element, bool onButtonFace)
{
    if (!element->hasFocus() || !element->window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    // The look's text colour for what the frame stands on: the tab row, a button's light face under
    // the mouse, or the tab page.
    bool onTabRow = false;
    for (const QWidget* up = element->parentWidget(); up; up = up->parentWidget())
        onTabRow = onTabRow || up->objectName() == QLatin1String("RibbonTabRow");
    const VisualStyles::PanelColours colours = VisualStyles::Colours(VisualStyles::AppliedLook());
    QPainter painter(element);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(onTabRow && !onButtonFace ? colours.tabRowText : colours.text, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(element->rect().adjusted(1, 1, -2, -2));
}

QString SpokenName(const QString& label)
{
    QString name = label.simplified();
    name.remove(QLatin1Char('&'));
    if (name.endsWith(QLatin1String("...")))
        name.chop(3);
    return name.trimmed();
}

QString LargeButtonText(const QString& label)
{
    constexpr int kShortLabel = 8;
    int best = -1;
    for (int i = 0; i < label.size(); ++i) {
        if (label[i] == QLatin1Char(' ') &&
            (best < 0 || qAbs(i - label.size() / 2) < qAbs(best - label.size() / 2)))
            best = i;
    }
    if (label.size() <= kShortLabel || best < 0)
        return label + QLatin1Char('\n');
    return label.left(best) + QLatin1Char('\n') + label.mid(best + 1);
}

} // namespace RibbonElements
