vorel_fuzz_target(RegisterFuzz RegisterFuzz.cpp)
vorel_fuzz_target(DateTextFuzz DateTextFuzz.cpp)
