# Tests of the electronic log and Cabrillo writers.
quillet_test(test_contest_export ElectronicLogTest.cpp CabrilloLogTest.cpp)
target_link_libraries(test_contest_export PRIVATE korvane_core)
