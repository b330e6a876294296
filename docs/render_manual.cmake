# Renders the manual: cmark turns the Markdown into an HTML body, which the page template wraps.
# Run with -DCMARK=... -DSOURCE=manual.md -DTEMPLATE=manual.html.in -DOUTPUT=manual.html.
execute_process(COMMAND "${CMARK}" "${SOURCE}" OUTPUT_VARIABLE BODY RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cmark could not render ${SOURCE}")
endif()
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
