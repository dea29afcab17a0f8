# Writes OUT, a C++ source that holds the site's stylesheet (CSS) and script
# (JS) as string literals.
file(READ "${CSS}" style)
file(READ "${JS}" script)
foreach(text style script)
  string(FIND "${${text}}" ")yl-asset\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "an asset holds the literal's closing mark")
  endif()
endforeach()
file(WRITE "${OUT}.new"
  "// Made by embed_assets.cmake from site/assets; do not edit.\n"
  "#include \"site/assets.h\"\n\nnamespace yl::site {\n\n"
  "const std::string_view kSiteStyle = R\"yl-asset(${style})yl-asset\";\n\n"
  "const std::string_view kSiteScript = R\"yl-asset(${script})yl-asset\";\n\n"
  "}  // namespace yl::site\n")
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
