#pragma once
// Paths of course files are constants relative to the course folder, the
// process's current directory, written with "\" as on the original desktop.
// A course folder copied from that desktop often differs in letter case
// from the names the program and the pages use ("html" for "HTML",
// "PAGE1_L.HTML"), so a path that does not exist exactly is looked up the
// way the original file system did: each component matched ignoring letter
// case. An exact match always wins, so two names that differ only in case
// keep their own files.
#include <QString>

// "docs\Отладка.wmv" -> "<current dir>/docs/Отладка.wmv", or the existing
// file that name denotes when letter case is ignored.
QString courseFilePath(const QString& relative);

// The same lookup for any path: "\" and "/" both separate components, a
// relative path is taken against the current directory. Each component that
// does not exist exactly is replaced by the one entry of its folder equal to
// it ignoring case. When no entry or more than one matches, nothing is
// guessed: the path comes back as written (cleaned, absolute), still missing.
QString resolveWindowsPath(const QString& path);
