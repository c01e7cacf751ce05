# sources of src/library
