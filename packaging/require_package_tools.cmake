# Read by cpack before it builds the package. Without dpkg-shlibdeps CPack
# would quietly build a package that names only the hand-written dependencies,
# and without `file` it could not tell which installed files are programs.
foreach(tool IN ITEMS dpkg-shlibdeps file)
  find_program(zenlith_tool_path ${tool})
  if(NOT zenlith_tool_path)
    message(FATAL_ERROR "${tool} is missing, so the package's library dependencies cannot be worked out; "
      "install it with: scripts/install-deps.sh package")
  endif()
  unset(zenlith_tool_path CACHE)
  unset(zenlith_tool_path)
endforeach()
