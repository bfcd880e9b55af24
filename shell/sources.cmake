target_sources(shellcore PRIVATE
  shell/ScreenRegistry.h shell/ScreenRegistry.cpp
  shell/CourseFiles.h shell/CourseFiles.cpp
  shell/Unit1.h shell/Unit1.cpp
  shell/Unit44.h shell/Unit44.cpp
  shell/Unit45.h shell/Unit45.cpp
)
