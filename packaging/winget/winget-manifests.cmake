# Writes the winget manifests once the installer is made: the templates the build configured,
# with the installer's SHA-256 filled in.
# cmake -DINSTALLER=<setup.exe> -DTEMPLATES=<folder> -DOUTPUT=<folder> -P winget-manifests.cmake
file(SHA256 "${INSTALLER}" INSTALLER_SHA256)
string(TOUPPER "${INSTALLER_SHA256}" INSTALLER_SHA256)
file(GLOB templates "${TEMPLATES}/*.yaml.in")
foreach(template IN LISTS templates)
    get_filename_component(manifest "${template}" NAME_WLE)
    configure_file("${template}" "${OUTPUT}/${manifest}" @ONLY)
endforeach()
