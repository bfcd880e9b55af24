target_sources(shellcore PRIVATE
  viewer/Unit8.h viewer/Unit8.cpp
  viewer/Unit24.h viewer/Unit24.cpp
)
