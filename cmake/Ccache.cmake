# Compiler cache: a rebuild after a branch switch or a fresh build tree costs
# seconds, not minutes, on a 2-core machine.  The sloppiness settings let
# ccache serve objects compiled against the precompiled Qt headers; the base
# folder and CCACHE_NOHASHDIR let a checkout in another folder (a fresh CI
# clone) use what an earlier checkout compiled.
find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_CXX_COMPILER_LAUNCHER
      ${CMAKE_COMMAND} -E env
      CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
      CCACHE_BASEDIR=${CMAKE_SOURCE_DIR}
      CCACHE_NOHASHDIR=1
      ${CCACHE_PROGRAM})
endif()
