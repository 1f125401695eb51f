# The files the package installs (packaging/check.sh), then the package itself, built by
# scripts/package and checked extracted. Both skip (77) where a validator is missing.
add_test(NAME packaging.files COMMAND sh ${PROJECT_SOURCE_DIR}/packaging/check.sh)
add_test(NAME packaging.package
         COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/packaging/PackageTest.sh ${PROJECT_SOURCE_DIR})
set_tests_properties(packaging.files packaging.package PROPERTIES SKIP_RETURN_CODE 77)
# It builds the programs once more, in release mode with Debian's flags.
set_tests_properties(packaging.package PROPERTIES LABELS package TIMEOUT 2400 RUN_SERIAL TRUE)
