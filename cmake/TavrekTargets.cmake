# tavrek_add_core(name with3d sources): one variant of the portable core.
function(tavrek_add_core name with3d sources)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)
  target_compile_definitions(${name} PUBLIC TAVREK_3D=${with3d})
endfunction()
