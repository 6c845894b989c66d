#pragma once

#include <QJsonObject>
#include <QString>

// The packages fixtures/make_package_fixtures.py builds from the format rules (with jlha
// for the archives), made once per build folder and again when the generator changes.
// Several test processes may ask at once; one generates, the others wait.
class PackageFixtures
{
public:
    // The folder holding the fixtures; empty when they cannot be made here (no python3).
    static QString folder();
    static QJsonObject manifest();
    // The archive of fixture `name` (NAME.lzh or NAME.ldf); empty when jlha was missing.
    static QString archive(const QString &name);
    static QJsonObject package(const QString &name);
};

// Skips the test when the fixtures or their archives are not available.
#define REQUIRE_FIXTURE_ARCHIVE(name)                                                                                  \
    if (PackageFixtures::archive(name).isEmpty())                                                                      \
    GTEST_SKIP() << "fixture archives need python3 and jlha"
