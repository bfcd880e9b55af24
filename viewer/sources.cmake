target_sources(shellcore PRIVATE
  viewer/ViewerCatalogue.h viewer/ViewerCatalogue.cpp
  viewer/PageZoom.h viewer/PageZoom.cpp
  viewer/TopicViewer.h viewer/TopicViewer.cpp
  viewer/Unit8.h viewer/Unit8.cpp
  viewer/Unit24.h viewer/Unit24.cpp
)
