#pragma once
#include <QString>

// Hands a course file to the desktop, which opens it in the application
// associated with its type. The program neither waits nor looks at the
// outcome: what goes wrong there is the desktop's to tell.
void openInDesktop(const QString& relativePath);
