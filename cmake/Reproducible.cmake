# A release must be rebuildable from its tag to the same bytes, so that anyone
# can compare (scripts/test builds twice, from two folders, and does):
# - the linker writes no build time into the PE header;
# - the source and build folders are mapped away wherever a path can reach the
#   binary (__FILE__, debug data), so the folder a build ran in leaves no mark.
if(MINGW)
  add_link_options(-Wl,--no-insert-timestamp)
  add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/= -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
endif()
