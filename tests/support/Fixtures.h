// Test helpers for window tests: controls found by name, scripted platform
// state reset between tests, and the helpers without windows of
// support/core (temporary program folder, failing files).
#pragma once

#include "support/core/TempProgramFolder.h"

#include <QStringList>
#include <QWidget>

class QTableWidget;
#include <QtTest>

// Clears every scripted answer and record of the platform seams.
void resetSeams();
// True when every scripted answer was used and no dialog went unscripted;
// otherwise explains what was left.
QString seamsLeftovers();

// The control of that objectName under root; a missing control fails the
// test, naming it (and the caller gets nullptr).
template <typename T>
T* control(QObject* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    if (!found)
        QTest::qFail(qPrintable(QStringLiteral("control %1 not found").arg(name)), __FILE__, __LINE__);
    return found;
}
// The texts of one column of a table, top to bottom (empty for a missing
// cell).
QStringList columnTexts(const QTableWidget* table, int column);

// Makes w the active window (offscreen too) so that focus and focus colours
// can be checked; true when it is.
bool activate(QWidget* w);
