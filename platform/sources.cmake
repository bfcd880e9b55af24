# The part of the platform layer that needs Qt Core only, so command-line
# tools of the project link it without the GUI and the browser.
add_library(shellbase STATIC
  platform/ShellError.h platform/ShellError.cpp
  platform/CoursePath.h platform/CoursePath.cpp
  platform/PageText.h platform/PageText.cpp
  platform/ConnectionString.h platform/ConnectionString.cpp
  platform/DatabasePassword.h platform/DatabasePassword.cpp
)
target_include_directories(shellbase PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(shellbase PUBLIC Qt6::Core)
target_link_libraries(shellcore PUBLIC shellbase)

target_sources(shellcore PRIVATE
  platform/LabelFit.h
  platform/Guard.h platform/Guard.cpp
  platform/ShellApplication.h platform/ShellApplication.cpp
  platform/MessageBoxes.h platform/MessageBoxes.cpp
  platform/FontMap.h platform/FontMap.cpp
  platform/AsyncSound.h platform/AsyncSound.cpp
  platform/DesktopLauncher.h platform/DesktopLauncher.cpp
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
  platform/CourseUrlInterceptor.h platform/CourseUrlInterceptor.cpp
  platform/IntegerText.h platform/IntegerText.cpp
  platform/LocaleText.h platform/LocaleText.cpp
  platform/PanelStatusBar.h platform/PanelStatusBar.cpp
  platform/FindDialog.h platform/FindDialog.cpp
  platform/WebBrowser.h platform/WebBrowser.cpp
  platform/TreeLinesStyle.h platform/TreeLinesStyle.cpp
)
