# End-to-end scenarios: the installed program on a private X server, driven from outside.
foreach(scenario start splash register report placement badfiles install undo twoprograms
        wm.centring wm.placement wm.maximised wm.themeandcouple a11y wayland accents)
  add_test(NAME e2e.${scenario}
           COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/e2e/vorel_e2e.py ${scenario}
                   ${CMAKE_BINARY_DIR})
  set_tests_properties(e2e.${scenario} PROPERTIES LABELS e2e TIMEOUT 180)
endforeach()
