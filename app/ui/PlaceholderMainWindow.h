#pragma once

#include <QMainWindow>

// Stands in for the main window until it is built: shows that the program started and
// which database it is connected to.
class PlaceholderMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit PlaceholderMainWindow(const QString &databaseName, QWidget *parent = nullptr);
};
