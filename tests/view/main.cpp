// Runs one test class, named by the first argument, so that CTest lists each class on its own;
// without a name every class runs. Further arguments go to Qt Test.

#include "ViewTests.h"
#include "phenotype/Resource.h"

#include <QApplication>
#include <QTest>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

QObject* NewObjReaderTest();
QObject* NewResourceManagerTest();
QObject* NewPartTableTest();
QObject* NewMicroscopeCameraTest();
QObject* NewMicroscopeViewTest();
QObject* NewFlyRenderingTest();

void viewtests::LoadProgramResources() {
    CRsrcMgr::Instance().LoadAll(DataFolder() + "Models", DataFolder() + "Skins");
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const std::vector<std::pair<QString, std::function<QObject*()>>> classes = {
        {"ObjReaderTest", NewObjReaderTest},
        {"ResourceManagerTest", NewResourceManagerTest},
        {"PartTableTest", NewPartTableTest},
        {"MicroscopeCameraTest", NewMicroscopeCameraTest},
        {"MicroscopeViewTest", NewMicroscopeViewTest},
        {"FlyRenderingTest", NewFlyRenderingTest},
    };
    QStringList arguments = application.arguments();
    QString only;
    if (arguments.size() > 1 && !arguments[1].startsWith('-'))
        only = arguments.takeAt(1);

    int failures = 0;
    bool found = false;
    for (const auto& [name, create] : classes) {
        if (!only.isEmpty() && name != only)
            continue;
        found = true;
        std::unique_ptr<QObject> test(create());
        failures += QTest::qExec(test.get(), arguments);
    }
    if (!found) {
        qCritical("No test class %s", qPrintable(only));
        return 1;
    }
    return failures;
}
