# A static library of every source in a folder (an interface library while the
# folder holds headers only).
function(lumeno_library name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${folder}/*.h)
  if(sources)
    add_library(${name} STATIC ${sources} ${headers})
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE ${headers})
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()
