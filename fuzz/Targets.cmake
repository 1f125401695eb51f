# Each target NAME_fuzz has its seeds in fuzz/corpus/NAME_fuzz and tests/data/NAME, where they exist;
# scripts/fuzz runs every *_fuzz target.
vorel_fuzz_target(rtf_fuzz RtfFuzz.cpp)
vorel_fuzz_target(plain_text_fuzz PlainTextFuzz.cpp)
vorel_fuzz_target(register_fuzz RegisterFuzz.cpp)
vorel_fuzz_target(date_text_fuzz DateTextFuzz.cpp)
vorel_fuzz_target(profile_fuzz ProfileFuzz.cpp)
vorel_fuzz_target(persons_csv_fuzz PersonsCsvFuzz.cpp)
vorel_fuzz_target(journal_fuzz JournalFuzz.cpp)
