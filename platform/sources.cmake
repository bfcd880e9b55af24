target_sources(shellcore PRIVATE
  platform/LabelFit.h
  platform/ShellError.h platform/ShellError.cpp
  platform/Guard.h platform/Guard.cpp
  platform/ShellApplication.h platform/ShellApplication.cpp
  platform/MessageBoxes.h platform/MessageBoxes.cpp
  platform/FontMap.h platform/FontMap.cpp
  platform/AsyncSound.h platform/AsyncSound.cpp
  platform/DesktopLauncher.h platform/DesktopLauncher.cpp
  platform/CoursePath.h platform/CoursePath.cpp
  platform/ConnectionString.h platform/ConnectionString.cpp
  platform/DatabasePassword.h platform/DatabasePassword.cpp
  platform/DatabaseError.h platform/DatabaseError.cpp
  platform/CInt.h platform/CInt.cpp
  platform/SqliteStatement.h platform/SqliteStatement.cpp
  platform/DbField.h
  platform/DatabaseFile.h platform/DatabaseFile.cpp
  platform/DbConnection.h platform/DbConnection.cpp
  platform/Dataset.h platform/Dataset.cpp
  platform/DBGrid.h platform/DBGrid.cpp
  platform/DBNavigator.h platform/DBNavigator.cpp
  platform/DBText.h platform/DBText.cpp
  platform/Screen.h platform/Screen.cpp
  platform/MenuLabel.h platform/MenuLabel.cpp
  platform/StretchedPicture.h platform/StretchedPicture.cpp
)
