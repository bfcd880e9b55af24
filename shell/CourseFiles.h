#pragma once
// The course files that the desktop opens for the program: each trigger of
// a screen names one fixed path below "docs" of the course folder.
#include <QString>
#include <vector>

struct CourseFile {
    QString screen;   // registry entry of the screen holding the trigger
    QString control;  // the trigger's control name
    QString caption;
    QString path;     // relative, "\" as separator
};

const std::vector<CourseFile>& courseFileCatalogue();
// The path of a trigger; the catalogue names every trigger the screens have.
QString courseFileOf(const QString& screen, const QString& control);
// Hands the trigger's file to the desktop.
void launchCourseFile(const QString& screen, const QString& control);
