# sources of src/store
