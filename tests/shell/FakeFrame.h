#pragma once

#include "shell/Ribbon.h"
#include "shell/VisualStyles.h"
#include "view/Commands.h"

#include <QAction>
#include <QHash>
#include <QObject>
#include <QSet>

// The frame's side of the command panel: one real action per command, counting how often each is
// triggered.
class FakeFrame : public QObject
{
public:
    QAction* Action(int id)
    {
        if (missing.contains(id))
            return nullptr;
        if (!actions.contains(id)) {
            // Texts of the frame's own menus, which the panel must not take over.
            auto* action = new QAction(QStringLiteral("Frame Text %1").arg(id), this);
            action->setToolTip(QStringLiteral("frame tooltip"));
            const Commands::Info* info = Commands::Find(id);
            action->setCheckable((info && info->checkable) || VisualStyles::IsLook(id));
            connect(action, &QAction::triggered, this, [this, id] { ++triggered[id]; });
            actions.insert(id, action);
        }
        return actions.value(id);
    }
    CRibbonBar::ActionSource Source()
    {
        return [this](int id) { return Action(id); };
    }

    QHash<int, QAction*> actions;
    QHash<int, int> triggered;
    QSet<int> missing;
};
