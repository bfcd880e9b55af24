target_sources(shellcore PRIVATE
  testing/QuestionOrder.h testing/QuestionOrder.cpp
  testing/TestRun.h testing/TestRun.cpp
  testing/CourseDatabase.h testing/CourseDatabase.cpp
  testing/Logins.h
  testing/Unit5.h testing/Unit5.cpp
  testing/Unit12.h testing/Unit12.cpp
  testing/Unit13.h testing/Unit13.cpp
  testing/Unit14.h testing/Unit14.cpp
  testing/Unit22.h testing/Unit22.cpp
)
