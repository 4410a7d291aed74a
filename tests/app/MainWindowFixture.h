#pragma once
// A main window on a database of its own: each test gets a fresh data home, may
// fill the database before the window opens, and drives the window through the
// scripted platform with a fixed today.
#include "FMain.h"
#include "ScriptedPlatform.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class QAction;
class QCalendarWidget;
class QLabel;
class QPlainTextEdit;
class QTableView;

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    // The database file the program uses under this test's data home.
    QString DatabaseFile() const;
    // Runs fill on the program's database before any window opens (schema made).
    void Seed(const std::function<void()>& fill);
    // Opens (again) the main window, as the program starts.
    TfrmMain& Open();
    // Closes the main window the normal way (its close handler runs).
    void Close();
    // One value from the database while no window is open.
    int QueryInt(const std::string& sql);
    QString QueryText(const std::string& sql);

    QCalendarWidget& Calendar();
    QTableView& Grid();
    QPlainTextEdit& Detail();
    QLabel& DateLabel();
    QAction& Action(const char* name);
    // The grid's rows as "date|category|title".
    QStringList Rows();
    void ClickRow(int row);

    QTemporaryDir home;
    TScriptedPlatform platform;
    std::unique_ptr<TfrmMain> window;
};
