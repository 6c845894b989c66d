#include "MainExchangeMenu.h"

#include "ExchangeCommands.h"
#include "MainActions.h"
#include "program/DataModule1.h"
#include "services/UserAction.h"

#include <QAction>

using sorvik::package::ExchangeCommands;
using sorvik::package::PackageDialogs;

MainExchangeMenu::MainExchangeMenu(TDataModule1 &data, MainActions &actions,
                                   std::function<void(const QString &)> loadProject, QObject *parent)
    : QObject(parent)
    , m_data(data)
    , m_actions(actions)
    , m_loadProject(std::move(loadProject))
    , m_unloadHint(actions.nmUnload->toolTip())
{
    const auto run = [this](QAction *action, bool (ExchangeCommands::*command)()) {
        connect(action, &QAction::triggered, this, [this, command] {
            RunUserAction([this, command] {
                ExchangeCommands commands(m_data, PackageDialogs::current());
                (commands.*command)();
            });
        });
    };
    run(actions.nmExpShokuin, &ExchangeCommands::exportStaff);
    run(actions.nmExpShikaku, &ExchangeCommands::exportNames);
    run(actions.nmInpShokuin, &ExchangeCommands::importStaff);
    run(actions.nmInpShikaku, &ExchangeCommands::importNames);
    run(actions.nmUnload, &ExchangeCommands::unloadUnit);
    connect(actions.nmLoad, &QAction::triggered, this, [this] { RunUserAction([this] { nmLoadClick(); }); });
}

void MainExchangeMenu::nmLoadClick()
{
    ExchangeCommands commands(m_data, PackageDialogs::current());
    commands.loadNewUnit(m_loadProject);
}

void MainExchangeMenu::setProjectLoaded(bool loaded)
{
    QAction *unload = m_actions.nmUnload;
    unload->setEnabled(loaded);
    const QString hint = loaded ? m_unloadHint : kNoProjectToUnload;
    unload->setToolTip(hint);
    unload->setStatusTip(hint);
}
