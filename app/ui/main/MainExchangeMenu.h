#pragma once

#include <QObject>
#include <QString>

#include <functional>

class MainActions;
class TDataModule1;

// The main menu's exchange commands: the staff and names masters exported and imported
// (ｴｸｽﾎﾟｰﾄ, ｲﾝﾎﾟｰﾄ), the current project unloaded as a unit file and a unit file loaded
// as a new project (ユニットファイル). Each runs ExchangeCommands on the installed
// PackageDialogs; a loaded project becomes current through `loadProject` before the user
// is told it is loaded. The unload acts on the current project, so it is enabled only
// while one is loaded, and otherwise its hint says why.
class MainExchangeMenu : public QObject
{
    Q_OBJECT
public:
    MainExchangeMenu(TDataModule1 &data, MainActions &actions, std::function<void(const QString &)> loadProject,
                     QObject *parent);

    void setProjectLoaded(bool loaded);

private:
    void nmLoadClick();

    TDataModule1 &m_data;
    MainActions &m_actions;
    std::function<void(const QString &)> m_loadProject;
    QString m_unloadHint;
};

inline const QString kNoProjectToUnload
    = QStringLiteral("工事が選択されていません。アンロードする工事を「工事の選択」で選んで下さい");
